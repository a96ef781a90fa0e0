# What every host script shares: a fresh scratch project, running the headless editor on it, and checks of
# what it said and how it ended. Include it after cmake_minimum_required; HOST and WORK come from -D.

# Starts from an empty scratch folder holding a project with its Config folder.
function(start_project)
	file(REMOVE_RECURSE ${WORK})
	file(MAKE_DIRECTORY ${WORK}/Project/Config)
endfunction()

function(expect_contains TEXT NEEDLE)
	string(FIND "${TEXT}" "${NEEDLE}" _at)
	if(_at EQUAL -1)
		message(FATAL_ERROR "expected to find:\n  ${NEEDLE}\nin:\n${TEXT}")
	endif()
endfunction()

function(expect_missing TEXT NEEDLE)
	string(FIND "${TEXT}" "${NEEDLE}" _at)
	if(NOT _at EQUAL -1)
		message(FATAL_ERROR "did not expect:\n  ${NEEDLE}\nin:\n${TEXT}")
	endif()
endfunction()

# Checks that the texts after TEXT occur in it in the order given.
function(expect_in_order TEXT)
	set(_after -1)
	foreach(_needle IN LISTS ARGN)
		string(FIND "${TEXT}" "${_needle}" _at)
		if(_at EQUAL -1 OR _at LESS _after)
			message(FATAL_ERROR "expected in this order: ${ARGN}\nmissing or out of order: ${_needle}\nin:\n${TEXT}")
		endif()
		set(_after ${_at})
	endforeach()
endfunction()

# A settings file written before a run that must leave it alone, and the check that it did.
set(KEPT_SETTINGS "[ZORLightSettings]\nWindSpeed=12.5\n")
function(write_settings_to_keep)
	file(WRITE ${WORK}/Project/Config/ZORLightSettings.ini "${KEPT_SETTINGS}")
endfunction()
function(expect_settings_kept WHAT)
	file(READ ${WORK}/Project/Config/ZORLightSettings.ini _ini)
	if(NOT "${_ini}" STREQUAL "${KEPT_SETTINGS}")
		message(FATAL_ERROR "${WHAT} let the settings file change:\n${_ini}")
	endif()
endfunction()

# Checks the exit code of the last run (rc), showing what it printed (out, err) when it differs.
function(expect_exit CODE)
	if(NOT rc EQUAL ${CODE})
		message(FATAL_ERROR "expected exit code ${CODE}, got ${rc}:\n${out}\nstandard error:\n${err}")
	endif()
endfunction()

# Runs the host on the scratch project with the options given after EXPECT_RC and checks its exit code;
# leaves rc, out and err for the checks that follow.
function(run_host EXPECT_RC)
	execute_process(COMMAND ${HOST} --project ${WORK}/Project ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
	expect_exit(${EXPECT_RC})
	set(rc "${rc}" PARENT_SCOPE)
	set(out "${out}" PARENT_SCOPE)
	set(err "${err}" PARENT_SCOPE)
endfunction()
