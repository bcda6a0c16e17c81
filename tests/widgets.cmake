# The flat panel, the image button, the image control and the skinned
# button, painted off screen, and hand-placed controls right to left.
find_package(Qt6 REQUIRED COMPONENTS Test)
corvessa_test(test_widgets
  SOURCES test_flat_panel.cpp test_img_btn.cpp test_image_view.cpp test_skin_button.cpp test_mirror.cpp qt_test_app.cpp
  LIBS corvessa_widgets corvessa_shell Qt6::Test corvessa_testsupport)
