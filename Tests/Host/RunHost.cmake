# Runs the headless editor as a user would and checks what it says and what it leaves on disk.
# -DHOST=<EditorHost> -DWORK=<scratch folder> -DCASE=<seed|complete|bad-level|bad-json|missing-level>
cmake_minimum_required(VERSION 3.25)

function(expect_contains TEXT NEEDLE)
	string(FIND "${TEXT}" "${NEEDLE}" _at)
	if(_at EQUAL -1)
		message(FATAL_ERROR "expected to find:\n  ${NEEDLE}\nin:\n${TEXT}")
	endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/Project/Config)
set(INI ${WORK}/Project/Config/ZORLightSettings.ini)

if(CASE STREQUAL "seed")
	execute_process(COMMAND ${HOST} --project ${WORK}/Project --show-menu RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
	if(NOT rc EQUAL 0)
		message(FATAL_ERROR "exit code ${rc}: ${out}${err}")
	endif()
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
	expect_contains("${out}" "Spot FOH R (ZORFixtureActor) at 400.0, 1200.0, 800.0: patch 2.1, Spot 575, mode Extended")
	file(READ ${INI} ini)
	foreach(line "[ZORLightSettings]" "SmokeIntensity=0.75" "UseSmoke=True" "Scale=2.0" "WindDirection=45.0"
			"WindElevation=20.0" "WindSpeed=2.5" "QualityLevel=64.0" "LightIntensityMax=2000.0"
			"LightDistanceMax=1000.0" "LightColorTemp=6500.0" "SpotlightIntensityScale=1.0"
			"BeamIntensityScale=1.0" "LightCastShadow=True" "UseDynamicOcclusion=True" "DisableLights=False")
		expect_contains("${ini}" "${line}\n")
	endforeach()
elseif(CASE STREQUAL "complete")
	file(WRITE ${INI} "[ZORLightSettings]\nWindSpeed=12.5\nDisableLights=True\nQualityLevel=256.0\n\n[Other]\nKeep=Me\n")
	execute_process(COMMAND ${HOST} --project ${WORK}/Project RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
	if(NOT rc EQUAL 0)
		message(FATAL_ERROR "exit code ${rc}: ${out}${err}")
	endif()
	expect_contains("${out}" "Start-up completed the settings file with the defaults of 12 missing keys")
	file(READ ${INI} ini)
	foreach(line "WindSpeed=12.5" "DisableLights=True" "QualityLevel=256.0" "SmokeIntensity=0.75" "[Other]" "Keep=Me")
		expect_contains("${ini}" "${line}\n")
	endforeach()
elseif(CASE STREQUAL "bad-level")
	file(WRITE ${WORK}/level.json "{\"actors\": [{\"label\": \"Spot 1\", \"class\": \"Spotlight\"}]}")
	execute_process(COMMAND ${HOST} --project ${WORK}/Project --level ${WORK}/level.json
		RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
	if(NOT rc EQUAL 2)
		message(FATAL_ERROR "expected exit code 2, got ${rc}: ${out}${err}")
	endif()
	expect_contains("${err}" "Level file '${WORK}/level.json': actors[0].class: unknown class \"Spotlight\"")
elseif(CASE STREQUAL "bad-json")
	file(WRITE ${WORK}/level.json "{\"actors\": [")
	execute_process(COMMAND ${HOST} --project ${WORK}/Project --level ${WORK}/level.json
		RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
	if(NOT rc EQUAL 2)
		message(FATAL_ERROR "expected exit code 2, got ${rc}: ${out}${err}")
	endif()
	expect_contains("${err}" "Level file '${WORK}/level.json': not valid JSON")
elseif(CASE STREQUAL "missing-level")
	execute_process(COMMAND ${HOST} --project ${WORK}/Project --level ${WORK}/none.json
		RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
	if(NOT rc EQUAL 2)
		message(FATAL_ERROR "expected exit code 2, got ${rc}: ${out}${err}")
	endif()
	expect_contains("${err}" "Level file '${WORK}/none.json'")
elseif(CASE STREQUAL "menu")
	execute_process(COMMAND ${HOST} --project ${WORK}/Project --set "Wind Speed (km/h)=12.5" --toggle "Disable Lights"
			--quality Ultra --set "Clouds Scale (x)=10" --set "Wind Direction (deg)=-500"
		RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
	if(NOT rc EQUAL 0)
		message(FATAL_ERROR "exit code ${rc}: ${out}${err}")
	endif()
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
	execute_process(COMMAND ${HOST} --project ${WORK}/Project --show-menu
		RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
	if(NOT rc EQUAL 0)
		message(FATAL_ERROR "exit code ${rc}: ${out}${err}")
	endif()
	foreach(line "  Low Medium High (Ultra)" "  [x] Disable Lights" "  Wind Speed (km/h) = 12.5" "  Clouds Scale (x) = 8.0"
			"  Wind Direction (deg) = -180.0" "  == UE to GMA Tool ==")
		expect_contains("${out}" "${line}\n")
	endforeach()
elseif(CASE STREQUAL "tool")
	execute_process(COMMAND ${HOST} --project ${WORK}/Project --level ${SOURCE}/Host/ToolStage.json --show-tool
			--start-fid 1000 --ma-type "Spot 575 Standard=12" --uncheck-mode "Wash & Beam Basic" --sort Patch:desc --show-tool
		RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
	if(NOT rc EQUAL 0)
		message(FATAL_ERROR "exit code ${rc}: ${out}${err}")
	endif()
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
else()
	message(FATAL_ERROR "unknown case ${CASE}")
endif()
