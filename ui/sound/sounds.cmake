# The game's sounds: the generator (tools/sound_gen) writes them into the
# build at build time, and they are compiled into zaviko_ui under
# ":/sounds/", so the program and the tests find them without any file
# beside them.
set(zaviko_sound_names deal lay capture capture_long clear turn refused hand_end won lost)
set(zaviko_sound_dir ${CMAKE_CURRENT_BINARY_DIR}/sounds)
set(zaviko_sound_files)
foreach(name IN LISTS zaviko_sound_names)
    list(APPEND zaviko_sound_files ${zaviko_sound_dir}/${name}.wav)
endforeach()
add_custom_command(
    OUTPUT ${zaviko_sound_files}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${zaviko_sound_dir}
    COMMAND zaviko_soundgen ${zaviko_sound_dir}
    DEPENDS zaviko_soundgen
    COMMENT "Synthesizing the game's sounds"
    VERBATIM)
qt_add_resources(zaviko_ui zaviko_sounds
    PREFIX /sounds
    BASE ${zaviko_sound_dir}
    FILES ${zaviko_sound_files})
