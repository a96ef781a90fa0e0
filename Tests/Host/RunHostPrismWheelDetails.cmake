# Runs the headless editor through a prism wheel's details panel and thumbnail and checks what it says.
# -DHOST=<EditorHost> -DWORK=<scratch folder> -DCASE=<case>
cmake_minimum_required(VERSION 3.25)

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

# Runs the host with the arguments after EXPECT_RC and leaves its output in `out`.
macro(run_host EXPECT_RC)
	execute_process(COMMAND ${HOST} --project ${WORK}/Project ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
	if(NOT rc EQUAL ${EXPECT_RC})
		message(FATAL_ERROR "expected exit code ${EXPECT_RC}, got ${rc}: ${out}${err}")
	endif()
endmacro()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/Project/Config)

if(CASE STREQUAL "details")
	run_host(0 --details)
	# Before expanding: only the button rows of the customization, FastGenerate first and MatrixArrange last.
	expect_contains("${out}" "Details panel of PW_PrismWheel:
  FastGenerate (Fast Generate)
    [Generate]
    Advanced: 1 hidden
  Default (Default)
    [Clear all]
  PrismSettings (Prism Settings)
    Advanced: 5 hidden
  RadialArrange (Radial Arrange)
    Advanced: 2 hidden
  MatrixArrange (Matrix Arrange)
    Advanced: 4 hidden
With every advanced section expanded:
  FastGenerate (Fast Generate)
    [Generate]
    Facette Count: 6 (advanced)
")
	expect_contains("${out}" "    Row Spacing: 0.2 (advanced)\n")
elseif(CASE STREQUAL "generate")
	run_host(0 --generate)
	expect_contains("${out}" "Clicked \"Generate\" in the details panel.
  Facettes (6):
    0: X 0.9000, Y 0.5000, radius 0.1000
")
	expect_contains("${out}" "  Selected: 0, 1, 2, 3, 4, 5\n  Undo history: Generate\n")
	expect_missing("${out}" "Question")
elseif(CASE STREQUAL "overwrite-answers")
	run_host(0 --generate --answer No --generate --answer Cancel --generate --answer Yes --set-property FacetteCount=2 --generate)
	expect_contains("${out}" "  Question (YesNoCancel): You have already added facettes. Do you want to overwrite them?\n  Answered: No\n  Facettes (12):")
	expect_contains("${out}" "  Selected: 6, 7, 8, 9, 10, 11\n  Undo history: Generate | Generate\n")
	expect_contains("${out}" "  Answered: Cancel\n  Facettes (12):")
	expect_contains("${out}" "  Answered: Yes\n  Facettes (2):")
	# Cancel changes nothing, but its transaction was opened and closed, as the editor's undo history shows.
	expect_contains("${out}" "  Undo history: Generate | Generate | Generate | Set Facette Count | Generate\n")
elseif(CASE STREQUAL "unanswered")
	run_host(1 --generate --clear-all --details)
	expect_contains("${out}" "  Question (YesNo): Do you want to remove all facettes?
  No answer was given (--answer Yes|No|Cancel before the click); the question was closed unanswered.
  Facettes (6):")
	# The run stops at the failure.
	expect_missing("${out}" "Details panel of")
elseif(CASE STREQUAL "clear-all")
	run_host(0 --generate --answer Yes --clear-all --clear-all)
	expect_contains("${out}" "  Answered: Yes\n  Facettes (0):\n  Selected: none\n  Undo history: Generate | Clear all\n")
elseif(CASE STREQUAL "unused-answer")
	run_host(1 --answer Yes --generate)
	expect_contains("${out}" "1 answer(s) given with --answer found no question.")
elseif(CASE STREQUAL "set-property")
	run_host(1 --generate --set-property bSameSize=False --set-property FacetteSize=5 --set-property NoSuchThing=1)
	expect_contains("${out}" "Set FacetteSize to 5 in the details panel; it shows 1.0.")
	expect_contains("${out}" "    0: X 0.9000, Y 0.5000, radius 0.5000\n")
	expect_contains("${out}" "Could not set NoSuchThing: the details panel shows no property \"NoSuchThing\".")
elseif(CASE STREQUAL "thumbnail")
	# One facette of radius 0.1 moved to the centre of the disc.
	run_host(0 --thumbnail 64,64 --set-property FacetteCount=1 --generate --set-property Radius=0
		--thumbnail 64,64 --thumbnail 128,64 --shots ${WORK}/Shots)
	expect_contains("${out}" "Thumbnail 64 x 64: ZORPrismWheelThumbnailRenderer cannot draw this prism wheel; the content browser shows the default thumbnail.")
	expect_contains("${out}" "    0: X 0.5000, Y 0.5000, radius 0.1000\n")
	expect_contains("${out}" "Thumbnail 64 x 64 drawn by ZORPrismWheelThumbnailRenderer in 3 tiles:
  1: at 0.0000, 0.0000 size 64.0000 x 64.0000, MI_ThumbnailBG, Translucent
  2: at 5.1200, 5.1200 size 53.7600 x 53.7600, MI_ThumbnailBGCircle, Translucent
  3: at 27.9040, 27.9040 size 8.1920 x 8.1920, MI_ThumbnailCircle, Additive
")
	# A circle on a wide thumbnail: its size comes from the inner width on both axes.
	expect_contains("${out}" "  3: at 55.8080, 23.8080 size 16.3840 x 16.3840, MI_ThumbnailCircle, Additive\n")
	foreach(_png Thumbnail_64x64.png Thumbnail_128x64.png)
		if(NOT EXISTS ${WORK}/Shots/${_png})
			message(FATAL_ERROR "missing ${WORK}/Shots/${_png}")
		endif()
	endforeach()
elseif(CASE STREQUAL "bad-options")
	run_host(2 --thumbnail 64x64)
	expect_contains("${out}" "EditorHost: --thumbnail needs W,H (whole numbers from 1 to 4096), got '64x64'")
	run_host(2 --answer yes)
	expect_contains("${out}" "EditorHost: --answer takes Yes, No or Cancel, got 'yes'")
	run_host(2 --set-property FacetteSize)
	expect_contains("${out}" "EditorHost: --set-property needs \"NAME=VALUE\", got 'FacetteSize'")
else()
	message(FATAL_ERROR "unknown case ${CASE}")
endif()
