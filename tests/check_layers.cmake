# Fails on an include that runs up against the layers of the README,
#   app -> pages, binds, buy, check -> controls -> platform -> config -> resources
# A folder includes its own headers and those of folders below it; the four
# page folders stand side by side. Nothing of the program includes tests/,
# bench/ or tools/.
# usage: cmake -DROOT=<source folder> -P check_layers.cmake
set(layers resources config platform controls pages binds buy check app)
set(rank_resources 0)
set(rank_config 1)
set(rank_platform 2)
set(rank_controls 3)
foreach(folder pages binds buy check)
    set(rank_${folder} 4)
endforeach()
set(rank_app 5)
foreach(folder tests bench tools)
    set(rank_${folder} 6)
endforeach()

set(wrong "")
set(count 0)
foreach(layer ${layers})
    file(GLOB_RECURSE sources ${ROOT}/${layer}/*.cpp ${ROOT}/${layer}/*.h)
    foreach(source ${sources})
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
        foreach(line ${includes})
            math(EXPR count "${count} + 1")
            string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" folder "${line}")
            if(NOT DEFINED rank_${folder} OR rank_${folder} GREATER rank_${layer})
                file(RELATIVE_PATH shown ${ROOT} ${source})
                string(APPEND wrong "\n  ${shown}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(count EQUAL 0)
    message(FATAL_ERROR "no includes found under ${ROOT}")
endif()
if(wrong)
    message(FATAL_ERROR "includes against the layers:${wrong}")
endif()
message(STATUS "${count} includes, all down the layers")
