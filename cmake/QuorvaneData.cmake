# The tips files, the help pages and the translations, copied into a folder of the build so that
# the programs built there find them in their own folder, as they find them beside the installed
# program.
function(quorvane_copy_data target folder)
    set(data ${PROJECT_SOURCE_DIR}/data)
    file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${data} ${data}/qvntips*.txt ${data}/help/*)
    set(commands COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/help)
    set(sources)
    foreach(file ${files})
        list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${data}/${file}
             ${folder}/${file})
        list(APPEND sources ${data}/${file})
    endforeach()
    # The build writes the translations beside the program itself.
    if(QUORVANE_QM_FILES AND NOT folder STREQUAL CMAKE_BINARY_DIR)
        list(APPEND commands COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/translations
             COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QUORVANE_QM_FILES}
             ${folder}/translations)
        list(APPEND sources ${QUORVANE_QM_FILES})
    endif()
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.stamp)
    add_custom_command(OUTPUT ${stamp} ${commands} COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
                       DEPENDS ${sources} VERBATIM)
    add_custom_target(${target} DEPENDS ${stamp})
endfunction()
