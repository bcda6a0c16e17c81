# The window's arithmetic without Qt.
corvessa_test(test_shell_layout SOURCES test_main_layout.cpp LIBS corvessa_shellcore corvessa_testsupport)

# The main window with its dialogs answered by the tests, the skin, and the
# single-instance guard between real processes.
find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(single_instance_probe single_instance_probe.cpp)
target_link_libraries(single_instance_probe PRIVATE corvessa_shell)
corvessa_test(test_shell
  SOURCES test_form_main.cpp test_my_looks.cpp test_skin.cpp test_single_instance.cpp test_desktop_open.cpp test_remembered.cpp
    test_window_job.cpp test_action_table.cpp qt_test_app.cpp
  LIBS corvessa_shell corvessa_photoio Qt6::Test corvessa_testsupport)
add_dependencies(test_shell single_instance_probe)
target_compile_definitions(test_shell PRIVATE
  CORVESSA_PROBE="$<TARGET_FILE:single_instance_probe>"
  CORVESSA_SHIPPED_SKIN="${CMAKE_SOURCE_DIR}/src/shell/beryl.urf"
  CORVESSA_SHIPPED_HELP="${CMAKE_SOURCE_DIR}/src/shell/help.html")

# The effect browser: strips, the preview dialog, Apply, Undo, Change Color
# and the camera metadata, with a generated picture folder as AppDir.
corvessa_test(test_effect_browser
  SOURCES test_effect_browser.cpp qt_test_app.cpp
  LIBS corvessa_shell corvessa_photoio corvessa_testpictures Qt6::Test corvessa_testsupport)

# The batch dialog: its look from the preview or from a strip of the first
# photo, its outputs beside those of corvessa-render, Cancel, and the main
# window while a batch runs.
corvessa_test(test_batch_dialog
  SOURCES test_batch_dialog.cpp qt_test_app.cpp
  LIBS corvessa_shell corvessa_photoio corvessa_testpictures Qt6::Test corvessa_testsupport)
target_compile_definitions(test_batch_dialog PRIVATE CORVESSA_RENDER_PATH="$<TARGET_FILE:corvessa-render>")
add_dependencies(test_batch_dialog corvessa-render)

# The Edit panel: opening and leaving it, the view of the edits and the crop
# frame, Apply as one step of the history, and the window's steps beside
# corvessa-render's.
corvessa_test(test_edit_panel
  SOURCES test_edit_panel.cpp qt_test_app.cpp
  LIBS corvessa_shell corvessa_photoio corvessa_testpictures Qt6::Test corvessa_testsupport)
target_compile_definitions(test_edit_panel PRIVATE CORVESSA_RENDER_PATH="$<TARGET_FILE:corvessa-render>")
add_dependencies(test_edit_panel corvessa-render)
# The Export dialog: the copies it writes and the working photo it leaves.
corvessa_test(test_export_dialog
  SOURCES test_export_dialog.cpp qt_test_app.cpp
  LIBS corvessa_shell corvessa_photoio Qt6::Test corvessa_testsupport PkgConfig::EXIV2)

# The windows by keys and through a screen reader's eyes: names, Tab,
# the category column's arrow keys, Open to Save without the mouse.
corvessa_test(test_accessibility
  SOURCES test_accessibility.cpp qt_test_app.cpp
  LIBS corvessa_shell corvessa_photoio corvessa_testpictures Qt6::Test corvessa_testsupport)
target_compile_definitions(test_accessibility PRIVATE CORVESSA_SHIPPED_SKIN="${CMAKE_SOURCE_DIR}/src/shell/beryl.urf")

# The windows' words: every text through Qt's translations, counts with
# their plural forms, and the English as it was.
corvessa_test(test_window_words
  SOURCES test_window_words.cpp qt_test_app.cpp
  LIBS corvessa_shell corvessa_photoio corvessa_testpictures Qt6::Test corvessa_testsupport)

# The windows as a user meets them, for the tests of their layout and colours.
add_library(corvessa_windowchecks STATIC window_checks.cpp)
target_link_libraries(corvessa_windowchecks PUBLIC corvessa_shell corvessa_photoio corvessa_testpictures
  corvessa_testsupport GTest::gtest)
target_compile_definitions(corvessa_windowchecks PRIVATE CORVESSA_SHIPPED_SKIN="${CMAKE_SOURCE_DIR}/src/shell/beryl.urf")

# Every text against its background, in the skin and in high contrast.
corvessa_test(test_contrast SOURCES test_contrast.cpp qt_test_app.cpp
  LIBS corvessa_windowchecks Qt6::Test)
target_compile_definitions(test_contrast PRIVATE CORVESSA_SHIPPED_SKIN="${CMAKE_SOURCE_DIR}/src/shell/beryl.urf")

# Every window mirrored right to left.
corvessa_test(test_right_to_left SOURCES test_right_to_left.cpp qt_test_app.cpp LIBS corvessa_windowchecks)

# Every window in English and in each translation the build has: no text
# cut, no controls over each other; again at twice the pixels.
corvessa_test(test_layout_words SOURCES test_layout_words.cpp qt_test_app.cpp LIBS corvessa_windowchecks)
target_compile_definitions(test_layout_words PRIVATE
  CORVESSA_PROGRAM_TRANSLATIONS="${CORVESSA_OUTPUT_DIR}/translations"
  CORVESSA_BUILD_TRANSLATIONS="${CMAKE_BINARY_DIR}/translations")
gtest_discover_tests(test_layout_words DISCOVERY_TIMEOUT 60 TEST_SUFFIX ".at2x"
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANGUAGE=en;QT_SCALE_FACTOR=2")
add_dependencies(test_layout_words corvessa-translations)
