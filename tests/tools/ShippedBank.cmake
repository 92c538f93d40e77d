# Run by CTest: cmake -DTOOL=<lingvar-bank> -DDATA=<data folder> -DWORK=<scratch> -P ShippedBank.cmake
file(REMOVE_RECURSE ${WORK})

function(bank)
    execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lingvar-bank ${ARGN} failed (${status})")
    endif()
endfunction()

function(same expected actual advice)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${expected} ${actual}
        RESULT_VARIABLE differ)
    if(differ)
        message(FATAL_ERROR "${expected} differs from ${actual}. ${advice}")
    endif()
endfunction()

bank(pack ${DATA}/questions ${WORK}/packed)
foreach(file Pitanja.dat Slike.dat)
    same(${DATA}/${file} ${WORK}/packed/${file}
        "The sources changed since the bank was packed: run `lingvar-bank pack data/questions data`.")
endforeach()

bank(unpack ${DATA}/Pitanja.dat ${WORK}/unpacked)
bank(pack --no-pictures ${WORK}/unpacked ${WORK}/repacked)
same(${DATA}/Pitanja.dat ${WORK}/repacked/Pitanja.dat "Unpacking and packing again changed the bank.")
