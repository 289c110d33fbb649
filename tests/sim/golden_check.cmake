# Runs quorbals-sim and compares what it prints and writes with the files in
# golden/, byte for byte, so that every build of the simulator (Linux, and
# Windows under Wine) must give exactly the same traces and saved games.
#   cmake -DSIM=<program> [-DEMULATOR=<a|b|...>] -DGOLDEN=<folder> -DWORK=<folder>
#         -P golden_check.cmake
string(REPLACE "|" ";" emulator "${EMULATOR}")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(run_sim output)
    execute_process(COMMAND ${emulator} "${SIM}" ${ARGN}
        WORKING_DIRECTORY "${WORK}"
        OUTPUT_FILE "${WORK}/${output}"
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "quorbals-sim ${ARGN}: exit status ${status}")
    endif()
endfunction()

function(expect_same golden actual)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${GOLDEN}/${golden}"
        "${WORK}/${actual}" RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "${WORK}/${actual} differs from ${GOLDEN}/${golden}")
    endif()
endfunction()

# Three whole games from one seed.
run_sim(seed7-games3.trace --seed 7 --games 3 --trace)
expect_same(seed7-games3.trace seed7-games3.trace)

# A saved game written after move 25 of game 0.
run_sim(save.out --seed 11 --save-after 25 seed11-move25.kvx)
expect_same(seed11-move25.kvx seed11-move25.kvx)

# That saved game loaded and played on.
file(COPY_FILE "${GOLDEN}/seed11-move25.kvx" "${WORK}/loaded.kvx")
run_sim(load.trace --seed 3 --load loaded.kvx --trace)
expect_same(load-seed11-move25.trace load.trace)
