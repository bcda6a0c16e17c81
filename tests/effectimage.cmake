corvessa_test(test_effectimage
  SOURCES
    effectimage/test_blur_mosaic.cpp
    effectimage/test_point_effects.cpp
  LIBS corvessa_effectimage corvessa_testsupport)
