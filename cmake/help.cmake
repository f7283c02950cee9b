# The help page sits beside the programs in the build tree, where the desktop
# program looks for it; `make build` refreshes it after an edit.
set(TQ_HELP_SOURCE ${PROJECT_SOURCE_DIR}/docs/help/TableOfContents.htm)
set(TQ_HELP_OUTPUT ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/TableOfContents.htm)
add_custom_command(
  OUTPUT ${TQ_HELP_OUTPUT}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TQ_HELP_SOURCE} ${TQ_HELP_OUTPUT}
  DEPENDS ${TQ_HELP_SOURCE}
  COMMENT "Copying the help page beside the programs"
  VERBATIM)
add_custom_target(tq_help ALL DEPENDS ${TQ_HELP_OUTPUT})
if(TARGET tallyquist)
  add_dependencies(tallyquist tq_help)
endif()
