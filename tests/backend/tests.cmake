# The backend's schema on a private PostgreSQL cluster.
add_test(NAME backend.schema COMMAND ${CMAKE_CURRENT_LIST_DIR}/schema-test)
set_tests_properties(backend.schema PROPERTIES TIMEOUT 300)
