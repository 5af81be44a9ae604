# ORVANDEL: the console datum transformation program, its stages as
# libraries, the coefficient tool and the demo coefficient files.
set(ORV_DIR ${CMAKE_CURRENT_SOURCE_DIR})

function(orvandel_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${ORV_DIR})
  kartovex_warnings(${name})
endfunction()

orvandel_library(orvandel_common ${ORV_DIR}/common/file_lookup.cpp ${ORV_DIR}/common/text_files.cpp
  ${ORV_DIR}/common/projection_calls.cpp)
target_link_libraries(orvandel_common PUBLIC records geodesy)

file(GLOB orv_dialogue_sources CONFIGURE_DEPENDS ${ORV_DIR}/dialogue/*.cpp)
orvandel_library(orvandel_dialogue ${orv_dialogue_sources})
target_link_libraries(orvandel_dialogue PUBLIC orvandel_common)

file(GLOB orv_stations_sources CONFIGURE_DEPENDS ${ORV_DIR}/stations/*.cpp)
orvandel_library(orvandel_stations ${orv_stations_sources})
target_link_libraries(orvandel_stations PUBLIC orvandel_dialogue)

file(GLOB orv_transform_sources CONFIGURE_DEPENDS ${ORV_DIR}/transform/*.cpp)
orvandel_library(orvandel_transform ${orv_transform_sources})
target_link_libraries(orvandel_transform PUBLIC orvandel_stations)

file(GLOB orv_output_sources CONFIGURE_DEPENDS ${ORV_DIR}/output/*.cpp)
orvandel_library(orvandel_output ${orv_output_sources})
target_link_libraries(orvandel_output PUBLIC orvandel_transform)

orvandel_library(orvandel_run ${ORV_DIR}/orvandel/run_orvandel.cpp)
target_link_libraries(orvandel_run PUBLIC orvandel_output)

add_executable(orvandel ${ORV_DIR}/orvandel/main.cpp)
target_link_libraries(orvandel PRIVATE orvandel_run)
kartovex_warnings(orvandel)

add_executable(orvandel-coef ${ORV_DIR}/tools/orvandel_coef.cpp)
target_link_libraries(orvandel-coef PRIVATE orvandel_transform)
kartovex_warnings(orvandel-coef)

# orvandel-fit: fits coefficient files to control stations. Eigen serves
# this tool alone; the program and its stages stay on the standard library.
find_package(Eigen3 3.3 REQUIRED NO_MODULE)
file(GLOB orv_fit_sources CONFIGURE_DEPENDS ${ORV_DIR}/fit/*.cpp)
orvandel_library(orvandel_fit ${orv_fit_sources})
target_link_libraries(orvandel_fit PUBLIC orvandel_transform PRIVATE Eigen3::Eigen)

add_executable(orvandel-fit ${ORV_DIR}/tools/orvandel_fit.cpp)
target_link_libraries(orvandel-fit PRIVATE orvandel_fit)
kartovex_warnings(orvandel-fit)

install(TARGETS orvandel orvandel-coef orvandel-fit RUNTIME DESTINATION bin)

# Draws the demo's synthetic control stations from a hand-made model.
add_executable(orvandel-draw-controls ${ORV_DIR}/models/draw_controls.cpp)
target_link_libraries(orvandel-draw-controls PRIVATE orvandel_transform)
kartovex_warnings(orvandel-draw-controls)

# The hand-made models written from their text descriptions: the engine
# tests pin ORVANDEL's arithmetic on them. Not part of the demo.
set(ORV_HANDMADE_DIR ${CMAKE_CURRENT_BINARY_DIR}/handmade/DATAFILE)
set(orv_handmade_files)
foreach(model TRNB2777 TRNS2777 TRPE2777 TRNB7727 TRNS7727 TRPE7727)
  set(description ${ORV_DIR}/models/${model}.txt)
  set(output ${ORV_HANDMADE_DIR}/${model}.DAT)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORV_HANDMADE_DIR}
    COMMAND orvandel-coef write ${description} ${output}
    DEPENDS orvandel-coef ${description}
    COMMENT "Writing hand-made coefficient file ${model}.DAT"
    VERBATIM)
  list(APPEND orv_handmade_files ${output})
endforeach()
add_custom_target(handmade_coefficients DEPENDS ${orv_handmade_files})

# The demo's coefficient files, both directions of each province fitted by
# orvandel-fit to the synthetic control stations kept in models/. The fit
# runs in the demo data folder on a copy of the controls, so that its
# reports (kept beside the coefficient files) name no build path.
set(ORV_DEMO_DIR ${KARTOVEX_DEMO_DATA}/DATAFILE)
set(orv_demo_files)
foreach(entry "NB;NB;TRNB2777;TRNB7727" "NS;NS;TRNS2777;TRNS7727" "PE;PEI;TRPE2777;TRPE7727")
  list(GET entry 0 stem)
  list(GET entry 1 province)
  list(SUBLIST entry 2 2 models)
  set(controls ${ORV_DIR}/models/${stem}_CONTROLS.TXT)
  set(outputs)
  foreach(model IN LISTS models)
    list(APPEND outputs ${ORV_DEMO_DIR}/${model}.DAT ${ORV_DEMO_DIR}/${model}_FIT.TXT)
  endforeach()
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORV_DEMO_DIR} ${KARTOVEX_DEMO_DATA}/CONTROLS
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${controls} ${KARTOVEX_DEMO_DATA}/CONTROLS/
    COMMAND ${CMAKE_COMMAND} -DFIT=$<TARGET_FILE:orvandel-fit> -DPROVINCE=${province}
            -DCONTROLS=CONTROLS/${stem}_CONTROLS.TXT -P ${ORV_DIR}/models/fit_quietly.cmake
    WORKING_DIRECTORY ${KARTOVEX_DEMO_DATA}
    DEPENDS orvandel-fit ${controls} ${ORV_DIR}/models/fit_quietly.cmake
    COMMENT "Fitting the demo coefficient files of ${province}"
    VERBATIM)
  list(APPEND orv_demo_files ${outputs})
endforeach()
add_custom_target(demo_coefficients ALL DEPENDS ${orv_demo_files})
