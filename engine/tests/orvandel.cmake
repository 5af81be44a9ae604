# Tests of ORVANDEL: one folder per stage, and whole-program runs of the
# built executable.
set(ORV_TEST_DIR ${CMAKE_CURRENT_SOURCE_DIR})
kartovex_add_tests(engine_tests ${ORV_TEST_DIR}/dialogue orvandel_dialogue)
kartovex_add_tests(engine_tests ${ORV_TEST_DIR}/stations orvandel_stations)
kartovex_add_tests(engine_tests ${ORV_TEST_DIR}/transform orvandel_transform)
kartovex_add_tests(engine_tests ${ORV_TEST_DIR}/output orvandel_output)
kartovex_add_tests(engine_tests ${ORV_TEST_DIR}/orvandel orvandel_run)
kartovex_add_tests(engine_tests ${ORV_TEST_DIR}/fit orvandel_fit)

# The whole-program tests start the executables and use the hand-made
# models; the fit tests also read the demo's fitted files and controls.
target_compile_definitions(engine_tests PRIVATE
  ORVANDEL_EXE="$<TARGET_FILE:orvandel>"
  ORVANDEL_COEF_EXE="$<TARGET_FILE:orvandel-coef>"
  ORVANDEL_FIT_EXE="$<TARGET_FILE:orvandel-fit>"
  ORVANDEL_DRAW_EXE="$<TARGET_FILE:orvandel-draw-controls>"
  ORVANDEL_HANDMADE_DIR="${ORV_HANDMADE_DIR}"
  ORVANDEL_FITTED_DIR="${ORV_DEMO_DIR}"
  ORVANDEL_MODELS_DIR="${PROJECT_SOURCE_DIR}/engine/models")
add_dependencies(engine_tests orvandel orvandel-coef orvandel-fit orvandel-draw-controls handmade_coefficients
  demo_coefficients)
