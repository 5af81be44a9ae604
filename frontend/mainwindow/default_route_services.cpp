#include "mainwindow/route_services.h"

namespace kartovex {

RouteServices DefaultRouteServices() {
  RouteServices services;
  services.dispatch = [](RunContext& ctx, RunControl& control) {
    return DispatchRoute(ctx, control);
  };
  services.copyOrvandelFiles = [](RunContext& ctx) { return CopyOrvandelFiles(ctx); };
  services.pointsMissed = [](const RunState& run) { return PointsMissed(run); };
  return services;
}

}  // namespace kartovex
