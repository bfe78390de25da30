# Fails when a file of a plain C++ layer reaches Qt or a layer above it.
# Each file is compiled on its own with the source root as the only include
# folder, so a Qt header, met directly or through one of ours, is not found;
# and no file may name a folder above its layer.
#   cmake -DCXX=<compiler> -DROOT=<source root> -DFORBIDDEN=<dir,dir> -DFILES=<file,file> -P check_layer.cmake
if(NOT CXX OR NOT ROOT OR NOT FILES)
    message(FATAL_ERROR "check_layer.cmake needs CXX, ROOT and FILES")
endif()
string(REPLACE "," ";" FILES "${FILES}")
string(REPLACE "," ";" FORBIDDEN "${FORBIDDEN}")
set(failed "")
foreach(file IN LISTS FILES)
    file(STRINGS "${ROOT}/${file}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
        foreach(dir IN LISTS FORBIDDEN)
            if(line MATCHES "[\"<]${dir}")
                list(APPEND failed "${file}: ${line} (above its layer)")
            endif()
        endforeach()
    endforeach()
    execute_process(
        COMMAND ${CXX} -std=c++20 -fsyntax-only -x c++ -I ${ROOT} ${ROOT}/${file}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        string(REGEX MATCH "[^\n]*error[^\n]*" first "${out}")
        list(APPEND failed "${file}: ${first}")
    endif()
endforeach()
if(failed)
    list(JOIN failed "\n  " text)
    message(FATAL_ERROR "Not plain C++ of its layer:\n  ${text}")
endif()
