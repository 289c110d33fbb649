# quorbals_add_gtest(<target> [PROPERTIES <test properties>...])
# Registers a GoogleTest program with CTest. Natively each test case is a
# CTest test of its own. Under Wine the program runs once as one CTest test:
# each start of Wine costs far more than a test case, and listing the cases
# at build time would need Wine during the build.
function(quorbals_add_gtest target)
    cmake_parse_arguments(arg "" "" "PROPERTIES" ${ARGN})
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
        if(arg_PROPERTIES)
            set_tests_properties(${target} PROPERTIES ${arg_PROPERTIES})
        endif()
    else()
        gtest_discover_tests(${target} PROPERTIES ${arg_PROPERTIES})
    endif()
endfunction()
