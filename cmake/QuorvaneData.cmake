# The tips file and the help pages, copied into a folder of the build so that the programs built
# there find them in their own folder, as they find them beside the installed program.
function(quorvane_copy_data target folder)
    set(data ${PROJECT_SOURCE_DIR}/data)
    file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${data} ${data}/qvntips.txt ${data}/help/*)
    set(commands COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/help)
    set(sources)
    foreach(file ${files})
        list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${data}/${file}
             ${folder}/${file})
        list(APPEND sources ${data}/${file})
    endforeach()
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.stamp)
    add_custom_command(OUTPUT ${stamp} ${commands} COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
                       DEPENDS ${sources} VERBATIM)
    add_custom_target(${target} DEPENDS ${stamp})
endfunction()
