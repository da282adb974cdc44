# No include between source folders points back up the layer order.
add_test(NAME layers.check-layers
    COMMAND ${CMAKE_SOURCE_DIR}/tools/check-layers ${CMAKE_SOURCE_DIR}/src)
