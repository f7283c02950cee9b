# Runs the demo script in a scratch folder and checks that the workspace it
# writes is the one in examples/.
set(scratch ${WORK}/demo_check)
file(REMOVE_RECURSE ${scratch})
file(MAKE_DIRECTORY ${scratch}/examples)
execute_process(COMMAND ${CLI} -f ${SOURCE}/examples/demo.tqs
                WORKING_DIRECTORY ${scratch} RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the demo script failed (${result})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${scratch}/examples/demo.mts
                        ${SOURCE}/examples/demo.mts RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "examples/demo.mts is not what examples/demo.tqs writes: run make demo")
endif()
