# The desktop program: it finds its pictures and language files beside itself, in the build
# folder as when installed.
add_executable(Snipora Snipora.cpp)
target_link_libraries(Snipora PRIVATE snipora_ui)

set(snipora_bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
file(GLOB snipora_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/*.bmp)
file(GLOB snipora_languages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/Languages/*.isl)
set(snipora_copies)
foreach(source ${snipora_pictures} ${snipora_languages})
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR}/assets ${source})
    add_custom_command(OUTPUT ${snipora_bin}/${relative}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${snipora_bin}/${relative}
        DEPENDS ${source})
    list(APPEND snipora_copies ${snipora_bin}/${relative})
endforeach()
file(MAKE_DIRECTORY ${snipora_bin}/Languages)
add_custom_target(snipora_assets ALL DEPENDS ${snipora_copies})
add_dependencies(Snipora snipora_assets)

# `cmake --install` makes lib/snipora/ a self-contained program folder and registers the
# program with the desktop.
set(snipora_folder lib/snipora)
install(TARGETS Snipora RUNTIME DESTINATION ${snipora_folder})
install(FILES ${snipora_pictures} DESTINATION ${snipora_folder})
install(DIRECTORY DESTINATION ${snipora_folder}/Languages)
install(FILES ${snipora_languages} DESTINATION ${snipora_folder}/Languages)
install(FILES ${PROJECT_SOURCE_DIR}/assets/snipora.png DESTINATION share/icons/hicolor/64x64/apps)
install(CODE "
    set(SNIPORA_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${snipora_folder}/Snipora\")
    configure_file(\"${CMAKE_CURRENT_SOURCE_DIR}/snipora.desktop.in\"
                   \"${CMAKE_CURRENT_BINARY_DIR}/snipora.desktop\" @ONLY)
    file(INSTALL \"${CMAKE_CURRENT_BINARY_DIR}/snipora.desktop\"
         DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\")
")
