# Runs orvandel-fit for both directions of a province in the current
# folder, keeping its screen report out of the build log unless it fails.
#   cmake -DFIT=orvandel-fit -DPROVINCE=NB -DCONTROLS=FILE -P fit_quietly.cmake
execute_process(
  COMMAND ${FIT} --province ${PROVINCE} --both --controls ${CONTROLS} --dir DATAFILE
  RESULT_VARIABLE status
  OUTPUT_VARIABLE screen
  ERROR_VARIABLE screen)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "orvandel-fit failed (${status}):\n${screen}")
endif()
