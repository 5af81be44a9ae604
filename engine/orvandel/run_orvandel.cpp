#include "orvandel/run_orvandel.h"

#include <exception>
#include <new>

#include "common/file_lookup.h"
#include "common/program_stop.h"
#include "common/run_context.h"
#include "dialogue/dialogue.h"
#include "geodesy/datstp.h"
#include "output/output_stage.h"
#include "records/input_conversion_error.h"
#include "stations/station_input.h"
#include "transform/polynomial_transformation.h"

namespace orvandel {

int runOrvandel(std::istream& in, std::ostream& screen, std::ostream& errors, const std::filesystem::path& workDir) {
    try {
        RunContext context{in, screen, workDir, geodesy::DATSTP()};
        RunOptions options = runDialogue(in, screen);
        options.date = context.date;
        // Results an earlier run left must not pass for this run's when it
        // fails before its output stage.
        removeStale(context.file("TRN_CORD.DAT"));
        removeStale(context.file("TRN_GHST.DAT"));
        if (options.coordinateType == 1) {
            runGeographicInput(context, options);
        } else {
            runGridInput(context, options);
        }
        runPolynomialTransformation(context);
        runOutputStage(context);
        closeDialogue(in, screen);
        screen.flush();
        return 0;
    } catch (const ProgramStop& stop) {
        screen.flush();
        // Every early end names its reason; a stop without a message of its
        // own still says that the run did not finish.
        errors << "ORVANDEL: " << (stop.what()[0] != '\0' ? stop.what() : "RUN STOPPED") << '\n';
        return stop.status();
    } catch (const records::InputConversionError& e) {
        screen.flush();
        errors << "ORVANDEL: " << e.what() << '\n';
        return kFailureStatus;
    } catch (const std::bad_alloc&) {
        screen.flush();
        errors << "ORVANDEL: OUT OF MEMORY\n";
        return kFailureStatus;
    } catch (const std::exception& e) {
        screen.flush();
        errors << "ORVANDEL: " << e.what() << '\n';
        return kFailureStatus;
    } catch (...) {
        screen.flush();
        errors << "ORVANDEL: UNEXPECTED ERROR\n";
        return kFailureStatus;
    }
}

}  // namespace orvandel
