# cmake -DFILE=prog -DEXPECTED=console|window -P check_pe_subsystem.cmake
# Reads the subsystem a Windows program's PE header names: a console program
# gets the console it was started from, a window program none.
file(READ ${FILE} head LIMIT 4096 HEX)
function(number_at offset size out) # little-endian, offset and size in bytes
    set(value 0)
    math(EXPR last "${offset} + ${size} - 1")
    foreach(i RANGE ${last} ${offset} -1)
        math(EXPR at "${i} * 2")
        string(SUBSTRING ${head} ${at} 2 byte)
        math(EXPR value "${value} * 256 + 0x${byte}")
    endforeach()
    set(${out} ${value} PARENT_SCOPE)
endfunction()
string(SUBSTRING ${head} 0 4 mz)
number_at(60 4 pe) # e_lfanew
math(EXPR pe_hex "${pe} * 2")
string(SUBSTRING ${head} ${pe_hex} 8 signature)
if(NOT mz STREQUAL "4d5a" OR NOT signature STREQUAL "50450000")
    message(FATAL_ERROR "${FILE} is no PE program")
endif()
# The optional header follows the 4-byte signature and the 20-byte file
# header; Subsystem is at offset 68 in it.
math(EXPR at "${pe} + 4 + 20 + 68")
number_at(${at} 2 subsystem)
set(names 2 window 3 console)
list(FIND names ${subsystem} index)
if(index LESS 0)
    message(FATAL_ERROR "${FILE}: subsystem ${subsystem}")
endif()
math(EXPR index "${index} + 1")
list(GET names ${index} name)
if(NOT name STREQUAL EXPECTED)
    message(FATAL_ERROR "${FILE} is a ${name} program, not a ${EXPECTED} program")
endif()
message(STATUS "${FILE}: a ${name} program")
