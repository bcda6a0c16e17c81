# The installed program: the build installed into a scratch DESTDIR under
# /usr, then the installed programs run from there and the installed desktop
# files checked by the validators desktops use.
set(CORVESSA_STAGE ${CMAKE_CURRENT_BINARY_DIR}/installed)
add_test(NAME install_into_destdir
  COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DSTAGE=${CORVESSA_STAGE}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/install_stage.cmake)
set_tests_properties(install_into_destdir PROPERTIES FIXTURES_SETUP installed)

add_test(NAME installed_desktop_entry_validates
  COMMAND desktop-file-validate ${CORVESSA_STAGE}/usr/share/applications/${CORVESSA_APP_ID}.desktop)
add_test(NAME installed_metainfo_validates
  COMMAND appstreamcli validate --no-net ${CORVESSA_STAGE}/usr/share/metainfo/${CORVESSA_APP_ID}.metainfo.xml)
set_tests_properties(installed_desktop_entry_validates installed_metainfo_validates
  PROPERTIES FIXTURES_REQUIRED installed)

corvessa_test(test_installed SOURCES test_installed.cpp qt_test_app.cpp
  LIBS corvessa_shell corvessa_photoio corvessa_testsupport
  PROPERTIES FIXTURES_REQUIRED installed)
target_compile_definitions(test_installed PRIVATE
  CORVESSA_STAGE="${CORVESSA_STAGE}"
  CORVESSA_BUILT_PICTURES="${CORVESSA_OUTPUT_DIR}/pic"
  CORVESSA_RENDER_PATH="$<TARGET_FILE:corvessa-render>")
