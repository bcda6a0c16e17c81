corvessa_test(test_effectimage
  SOURCES
    effectimage/test_blur_mosaic.cpp
    effectimage/test_point_effects.cpp
    effectimage/test_geometric_effects.cpp
    effectimage/test_neighbourhood_effects.cpp
    effectimage/test_component.cpp
  LIBS corvessa_effectimage corvessa_testsupport)
