# `cmake --install` (and `make install`): the console program in bin; the
# desktop program in its own folder under lib with the help page beside it,
# since it opens <its own directory>/TableOfContents.htm, and bin/tallyquist
# a relative link to it; the desktop entry, the .mts type and the icon in
# share.
include(GNUInstallDirs)

install(TARGETS tallyquist-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The desktop program's target may be absent from the tree; its files are
# installed only together with it.
if(TARGET tallyquist)
  set(TQ_APP_DIR ${CMAKE_INSTALL_LIBDIR}/tallyquist)
  install(TARGETS tallyquist RUNTIME DESTINATION ${TQ_APP_DIR})
  install(FILES ${PROJECT_SOURCE_DIR}/docs/help/TableOfContents.htm DESTINATION ${TQ_APP_DIR})

  # Relative, so that the tree works under any prefix or DESTDIR.
  file(RELATIVE_PATH TQ_APP_LINK ${CMAKE_INSTALL_FULL_BINDIR}
       ${CMAKE_INSTALL_FULL_LIBDIR}/tallyquist/tallyquist)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tallyquist\")
    message(STATUS \"Installing: \${link} -> ${TQ_APP_LINK}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"${TQ_APP_LINK}\" \"\${link}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")
  ")

  install(FILES ${PROJECT_SOURCE_DIR}/data/tallyquist.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/tallyquist-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${PROJECT_SOURCE_DIR}/data/tallyquist.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

  # Into a live system (no DESTDIR) the caches are refreshed so that .mts files
  # open with the program at once; a packager's DESTDIR tree leaves that to the
  # package's triggers.
  install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
      find_program(update_mime update-mime-database)
      if(update_mime)
        execute_process(COMMAND \${update_mime} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\"
                        RESULT_VARIABLE ignored OUTPUT_QUIET ERROR_QUIET)
      endif()
      find_program(update_desktop update-desktop-database)
      if(update_desktop)
        execute_process(COMMAND \${update_desktop} -q \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
                        RESULT_VARIABLE ignored OUTPUT_QUIET ERROR_QUIET)
      endif()
    endif()
  ")
endif()
