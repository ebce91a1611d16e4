# cmake -DBUILD_DIR=<build tree> -DPREFIX=<folder> -P install_tree.cmake
# Installs the build tree into a fresh PREFIX, so that no file of an earlier install is left.
foreach(var BUILD_DIR PREFIX)
    if(NOT ${var})
        message(FATAL_ERROR "install_tree.cmake: ${var} is not set")
    endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install ${BUILD_DIR} --prefix ${PREFIX} failed: ${result}")
endif()
