# The 32-bit Windows program, linked statically so that it needs only the
# DLLs that every Windows has.
enable_language(RC)

add_library(feldora_win STATIC
    framework/win_app.cpp
    framework/dialog.cpp
    framework/edit.cpp
    framework/message_box.cpp
    framework/file_dialog.cpp
    settings/qxdata.cpp
    shell/shell_util.cpp
    export/about_dlg.cpp
    export/export_dlg.cpp
    navigate/navigate_dlg.cpp
)
target_link_libraries(feldora_win PUBLIC feldora_core shell32 comdlg32 user32 gdi32 kernel32)
target_compile_definitions(feldora_win PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)

add_executable(Feldora WIN32
    app/export_app.cpp
    framework/win_main.cpp
    res/feldora.rc
)
target_link_libraries(Feldora PRIVATE feldora_win)
target_link_options(Feldora PRIVATE -static -static-libgcc -static-libstdc++)

if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/tests/wine/CMakeLists.txt)
    add_subdirectory(tests/wine)
endif()
