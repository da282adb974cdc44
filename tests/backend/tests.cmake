# The backend's schema on a private PostgreSQL cluster.
add_test(NAME backend.schema COMMAND ${CMAKE_CURRENT_LIST_DIR}/schema-test)
set_tests_properties(backend.schema PROPERTIES TIMEOUT 300)

# The same on a generated backend that tools/run-backend starts on a kept cluster (about 50 s):
# labelled "long", and listed only when ctest selects that label; tools/fuzz's long-tests.cmake,
# read before this folder's tests, makes that choice.
file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/schema-runs.cmake CONTENT
"if(quillmere_long_selected)
add_test(backend.schema-runs \"${CMAKE_CURRENT_LIST_DIR}/schema-runs\" \"${QUILLMERE_APP_DIR}\" \"${CMAKE_SOURCE_DIR}\")
set_tests_properties(backend.schema-runs PROPERTIES LABELS long TIMEOUT 600)
endif()
")
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_CURRENT_BINARY_DIR}/schema-runs.cmake)
