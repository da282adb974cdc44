# The demo model's generated backend on two Tomcat nodes over one PostgreSQL database, started by
# tools/run-backend; in the default suite (about 20 s) and under the label "backend".
add_test(NAME backend.two-nodes
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/two-nodes ${QUILLMERE_APP_DIR} ${CMAKE_SOURCE_DIR})
set_tests_properties(backend.two-nodes PROPERTIES LABELS backend TIMEOUT 300 SKIP_RETURN_CODE 77)
