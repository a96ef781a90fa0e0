# Runs the headless editor as a user would and checks what it says and what it leaves on disk.
# -DHOST=<EditorHost> -DWORK=<scratch folder> -DSOURCE=<Tests folder> -DCASE=<one of the cases below>
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/HostCheck.cmake)

start_project()
set(INI ${WORK}/Project/Config/ZORLightSettings.ini)

if(CASE STREQUAL "seed")
	run_host(0 --show-menu)
	expect_contains("${out}" "The settings file was missing; start-up wrote it with 15 keys at their defaults.")
	# A fresh project's drop-down shows the defaults.
	expect_contains("${out}" "  == Quality Level ==
  Low (Medium) High Ultra
  ----
  == Light & Beams ==
  Light Intensity Max = 2000.0
  Light Distance Max = 1000.0
  Light Color Temp = 6500.0
  Spot light Intensity Scale = 1.0
  Beam Intensity Scale = 1.0
  [x] Light Cast Shadow
  [x] Use Dynamic Occlusion
  [ ] Disable Lights
  ----
  == Fog & Haze ==
  [x] Fog & Haze
  Clouds Intensity = 0.75
  Clouds Scale (x) = 2.0
  ----
  == Wind ==
  Wind Direction (deg) = 45.0
  Wind Elevation (deg) = 20.0
  Wind Speed (km/h) = 2.5
  ----
  == UE to GMA Tool ==
  UE to GMA Tool
")
	expect_contains("${out}" "Spot FOH R (ZORFixtureActor) at 400.0, 1200.0, 800.0, rotated -30.0, -90.0, 0.0, scaled 1.00, 1.00, 1.00: patch 2.1, Spot 575, mode Extended")
	file(READ ${INI} ini)
	foreach(line "[ZORLightSettings]" "SmokeIntensity=0.75" "UseSmoke=True" "Scale=2.0" "WindDirection=45.0"
			"WindElevation=20.0" "WindSpeed=2.5" "QualityLevel=64.0" "LightIntensityMax=2000.0"
			"LightDistanceMax=1000.0" "LightColorTemp=6500.0" "SpotlightIntensityScale=1.0"
			"BeamIntensityScale=1.0" "LightCastShadow=True" "UseDynamicOcclusion=True" "DisableLights=False")
		expect_contains("${ini}" "${line}\n")
	endforeach()
elseif(CASE STREQUAL "complete")
	file(WRITE ${INI} "[ZORLightSettings]\nWindSpeed=12.5\nDisableLights=True\nQualityLevel=256.0\n\n[Other]\nKeep=Me\n")
	run_host(0)
	expect_contains("${out}" "Start-up completed the settings file with the defaults of 12 missing keys")
	file(READ ${INI} ini)
	foreach(line "WindSpeed=12.5" "DisableLights=True" "QualityLevel=256.0" "SmokeIntensity=0.75" "[Other]" "Keep=Me")
		expect_contains("${ini}" "${line}\n")
	endforeach()
elseif(CASE STREQUAL "bad-level")
	# A level that cannot be used stops the run before start-up writes the settings file, even after a settings edit.
	write_settings_to_keep()
	file(WRITE ${WORK}/level.json "{\"actors\": [{\"label\": \"Spot 1\", \"class\": \"Spotlight\"}]}")
	run_host(2 --set "Wind Speed (km/h)=7" --level ${WORK}/level.json)
	expect_contains("${err}" "Level file '${WORK}/level.json': actors[0].class: unknown class \"Spotlight\"")
	expect_missing("${out}" "Loaded and started")
	expect_settings_kept("a bad level")
	file(WRITE ${WORK}/broken.json "{\"actors\": [")
	# Bytes after a NUL would be dropped without a word.
	execute_process(COMMAND printf "{}\\000{\"actors\": 1}" OUTPUT_FILE ${WORK}/nul.json)
	foreach(bad "broken.json|not valid JSON" "none.json|the file does not exist" "Project|this is a folder, not a level file"
			"nul.json|the file holds bytes after a NUL (at byte 2)")
		string(REPLACE "|" ";" bad "${bad}")
		list(GET bad 0 name)
		list(GET bad 1 problem)
		run_host(2 --level ${WORK}/${name})
		expect_contains("${err}" "Level file '${WORK}/${name}': ${problem}")
	endforeach()
elseif(CASE STREQUAL "menu")
	run_host(0 --set "Wind Speed (km/h)=12.5" --toggle "Disable Lights"
		--quality Ultra --set "Clouds Scale (x)=10" --set "Wind Direction (deg)=-500")
	string(REGEX MATCHALL "The apply pass ran 1 time\\(s\\) and refreshed 9 fixture actor\\(s\\)" runs "${out}")
	list(LENGTH runs run_count)
	if(NOT run_count EQUAL 5)
		message(FATAL_ERROR "expected five edits with one apply pass each, got ${run_count}:\n${out}")
	endif()
	file(READ ${INI} ini)
	foreach(line "WindSpeed=12.5" "DisableLights=True" "QualityLevel=256.0" "Scale=8.0" "WindDirection=-180.0")
		expect_contains("${ini}" "${line}\n")
	endforeach()
	# A second run shows the stored values in the drop-down.
	run_host(0 --show-menu)
	foreach(line "  Low Medium High (Ultra)" "  [x] Disable Lights" "  Wind Speed (km/h) = 12.5" "  Clouds Scale (x) = 8.0"
			"  Wind Direction (deg) = -180.0" "  == UE to GMA Tool ==")
		expect_contains("${out}" "${line}\n")
	endforeach()
elseif(CASE STREQUAL "tool")
	run_host(0 --level ${SOURCE}/Host/ToolStage.json --show-tool
		--start-fid 1000 --ma-type "Spot 575 Standard=12" --uncheck-mode "Wash & Beam Basic" --sort Patch:desc --show-tool)
	# Before the edits: one row per address, the shared patch flagged, numbers from 1 in patch order.
	expect_contains("${out}" "  [x] Wash 1 | - | 1 | Wash & Beam | Basic | 1.1
  [x] Spot B | - | 2 | Spot 575 | Standard | 2.5
  [x] Twin 1 (one of Twin 1, Twin 2) | Having multiple identical patches | 3 | Spot 575 | Extended | 2.300
  [x] Spot A | - | 4 | Spot 575 | Standard | 10.1
")
	# After: numbered from 1000 in descending patch order (10.1 before 2.300), the unticked mode's row left out.
	# Number 0 still clashes with the unticked row's 0, which only hides its own icon.
	expect_contains("${out}" "  [x] Spot 575 Standard | 12
  [x] Spot 575 Extended | 0 | Having Mode Num Conflict!
  [ ] Wash & Beam Basic | 0
")
	expect_contains("${out}" "  [x] Spot A | - | 1,000 | Spot 575 | Standard | 10.1
  [x] Twin 1 (one of Twin 1, Twin 2) | Having multiple identical patches | 1,001 | Spot 575 | Extended | 2.300
  [x] Spot B | - | 1,002 | Spot 575 | Standard | 2.5
  [ ] Wash 1 | - | - | Wash & Beam | Basic | 1.1
")
elseif(CASE STREQUAL "unwritable-settings")
	# A folder where the settings file belongs: start-up and each edit say the file was not written.
	file(MAKE_DIRECTORY ${INI})
	run_host(1 --set "Wind Speed (km/h)=7" --show-menu)
	expect_contains("${err}" "EditorHost: start-up could not write the settings file ${INI}")
	string(REGEX MATCHALL "The editor notifies: Could not write the settings file ${INI}: the fixture actors keep its old values." told "${err}")
	list(LENGTH told told_count)
	if(NOT told_count EQUAL 2)
		message(FATAL_ERROR "expected the start-up and the edit to say so on standard error, got ${told_count}:\n${err}")
	endif()
	expect_missing("${out}" "held every key")
	expect_missing("${out}" "wrote it with")
	# The edit itself was taken: the drop-down shows the new value.
	expect_contains("${out}" "Typed 7 into \"Wind Speed (km/h)\" and committed it.")
	expect_contains("${out}" "  Wind Speed (km/h) = 7.0\n")
elseif(CASE STREQUAL "read-only-settings")
	# A settings file the user made read-only keeps its bytes; the run says so and ends with 1.
	write_settings_to_keep()
	file(CHMOD ${INI} PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
	execute_process(COMMAND ${HOST} --project ${WORK}/Project --toggle "Disable Lights"
		RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
	file(CHMOD ${INI} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
	expect_exit(1)
	expect_contains("${err}" "EditorHost: start-up could not write the settings file ${INI}")
	expect_contains("${out}" "Clicked \"Disable Lights\".")
	expect_missing("${out}" "held every key")
	expect_settings_kept("a run on a read-only settings file")
elseif(CASE STREQUAL "config-is-a-file")
	file(REMOVE_RECURSE ${WORK}/Project/Config)
	file(WRITE ${WORK}/Project/Config "not a folder\n")
	run_host(1)
	expect_contains("${err}" "EditorHost: start-up could not write the settings file")
	expect_missing("${out}" "wrote it with")
elseif(CASE STREQUAL "typed-values")
	# What the boxes did with the text: taken, clamped, or refused (which ends the run with 1).
	run_host(1 --level ${SOURCE}/Host/ToolStage.json --start-fid 5000000000
		--set "Clouds Scale (x)=99" --ma-type "Spot 575 Standard=-3" --set "Wind Speed (km/h)=fast" --set "Wind Speed (km/h)=3")
	expect_contains("${out}" "Typed 5000000000 into \"Start FID\"; the box clamped it to 2147483647 and committed that.")
	expect_contains("${out}" "Typed 99 into \"Clouds Scale (x)\"; the box clamped it to 8.0 and committed that.")
	expect_contains("${out}" "Typed -3 into the Num box of the mode row \"Spot 575 Standard\"; the box clamped it to 0 and committed that.")
	expect_contains("${err}" "EditorHost: \"Wind Speed (km/h)\" refused the text 'fast' (not a number); it still holds 2.5.")
	# The run stops at the refused step.
	expect_missing("${out}" "Typed 3 into")
	# Options run in the order given: the tool step came before the menu steps.
	expect_in_order("${out}" "into \"Start FID\"" "into \"Clouds Scale (x)\"")
elseif(CASE STREQUAL "bad-command-line")
	foreach(args "--start-fid;ten" "--frobnicate" "--level")
		run_host(2 ${args})
		expect_contains("${err}" "EditorHost: ")
		expect_missing("${out}" "Loaded and started")
	endforeach()
	execute_process(COMMAND ${HOST} --help RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
	expect_exit(0)
	expect_contains("${out}" "Exit codes:")
	# --help lists the exit codes as README's table does.
	file(STRINGS ${SOURCE}/../README.md rows REGEX "^\\| [0-9] \\| ")
	list(LENGTH rows row_count)
	if(NOT row_count EQUAL 3)
		message(FATAL_ERROR "README's exit code table has ${row_count} rows, not 3")
	endif()
	foreach(row IN LISTS rows)
		string(REGEX REPLACE "^\\| ([0-9]) \\| (.*) \\|$" "  \\1  \\2\n" line "${row}")
		expect_contains("${out}" "${line}")
	endforeach()
else()
	message(FATAL_ERROR "unknown case ${CASE}")
endif()
