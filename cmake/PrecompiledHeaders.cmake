# Precompiled headers for the targets of many translation units. A window or
# test file spends about two thirds of its compile parsing Qt's and
# GoogleTest's headers; precompiled once per target, a build of everything
# takes markedly less processor time. Configured with
# CMAKE_DISABLE_PRECOMPILE_HEADERS=ON, a build shows a file that leans on
# them instead of including what it uses.

set(ZAVIKO_PCH_STD <algorithm> <array> <functional> <memory> <optional> <string> <vector>)
set(ZAVIKO_PCH_CORE <QtCore> ${ZAVIKO_PCH_STD})
set(ZAVIKO_PCH_WIDGETS <QtWidgets> ${ZAVIKO_PCH_STD})
set(ZAVIKO_PCH_GTEST <gtest/gtest.h> <gmock/gmock.h>)

# zaviko_precompile(target CORE|WIDGETS|GTEST...): the named header sets. Only
# for targets of many files: precompiling costs about as much as four of them.
function(zaviko_precompile target)
    set(headers)
    foreach(kind IN LISTS ARGN)
        list(APPEND headers ${ZAVIKO_PCH_${kind}})
    endforeach()
    list(REMOVE_DUPLICATES headers)
    target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
