# The backend's schema on a private PostgreSQL cluster.
add_test(NAME backend.schema COMMAND ${CMAKE_CURRENT_LIST_DIR}/schema-test)
set_tests_properties(backend.schema PROPERTIES TIMEOUT 300)

# The same on a generated backend started by tools/run-backend on a kept cluster (about 60 s).
add_test(NAME backend.schema-runs
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/schema-runs ${QUILLMERE_APP_DIR} ${CMAKE_SOURCE_DIR})
set_tests_properties(backend.schema-runs PROPERTIES LABELS backend TIMEOUT 600 SKIP_RETURN_CODE 77)
