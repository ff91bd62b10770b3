# Installs into a fresh prefix and checks that the manual page, the launcher,
# the icon, the description, the example programs and a MIME database that
# knows ".urm" are all there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} RESULT_VARIABLE installed
                OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(file bin/tessivar share/man/man1/tessivar.1.gz share/applications/org.tessivar.Tessivar.desktop
        share/metainfo/org.tessivar.Tessivar.metainfo.xml share/mime/packages/org.tessivar.Tessivar.xml
        share/icons/hicolor/scalable/apps/org.tessivar.Tessivar.svg share/tessivar/examples/01-addition.urm
        share/tessivar/examples/12-sample.urm)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
execute_process(COMMAND update-mime-database ${PREFIX}/share/mime RESULT_VARIABLE updated)
file(READ ${PREFIX}/share/mime/globs2 globs)
if(NOT updated EQUAL 0 OR NOT globs MATCHES "text/x-urm:\\*\\.urm")
  message(FATAL_ERROR "the MIME database does not know *.urm")
endif()
