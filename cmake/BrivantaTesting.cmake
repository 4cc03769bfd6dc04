# brivanta_add_test(<name> SOURCES <files...> [LIBS <libs...>])
# One test executable per test class. Every test runs headless, with a fixed
# language and time zone, and a private runtime folder.
function(brivanta_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE brivanta_gui Qt6::Test ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
                                               BRIVANTA_BIN_DIR="${BRIVANTA_BIN_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;TZ=Europe/Rome;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime;QT_LOGGING_RULES=qt.qpa.*=false"
        TIMEOUT 300)
endfunction()
