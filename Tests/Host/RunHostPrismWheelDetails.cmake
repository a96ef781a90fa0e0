# Runs the headless editor through the details tab and the thumbnail of a prism wheel and checks what it says.
# -DHOST=<EditorHost> -DWORK=<scratch folder> -DCASE=<case>
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/HostCheck.cmake)

start_project()

if(CASE STREQUAL "details")
	run_host(0 --prism-wheel --details)
	# Before expanding: only the button rows, FastGenerate first and MatrixArrange last.
	expect_contains("${out}" "Details tab of PW_PrismWheel:
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
  Default (Default)
    [Clear all]
  PrismSettings (Prism Settings)
    Facette Size: 0.2 (advanced)
    Same Size: True (advanced)
    Beam Add: 0.0 (advanced)
    Facettes: 0 Array elements (advanced)
    Selected Circles: 0 Set elements (advanced)
  RadialArrange (Radial Arrange)
    Radius: 0.3 (advanced)
    Angles: 0.0 (advanced)
  MatrixArrange (Matrix Arrange)
    Cols: 3 (advanced)
    Rows: 3 (advanced)
    Col Spacing: 0.2 (advanced)
    Row Spacing: 0.2 (advanced)
")
elseif(CASE STREQUAL "generate")
	run_host(0 --prism-wheel --generate)
	expect_contains("${out}" "Clicked \"Generate\" in the details tab.
  #0 x=0.9000 y=0.5000 r=0.1000 selected
  #1 x=0.7000 y=0.8464 r=0.1000 selected
")
	expect_contains("${out}" "  #5 x=0.7000 y=0.1536 r=0.1000 selected\n  selection: 0, 1, 2, 3, 4, 5\n  undo history: Generate\n")
	expect_missing("${out}" "Question")
elseif(CASE STREQUAL "overwrite-answers")
	run_host(0 --prism-wheel --generate --answer No --generate --answer Cancel --generate --answer Yes --set-property FacetteCount=2 --generate)
	expect_contains("${out}" "  Question (YesNoCancel): You have already added facettes. Do you want to overwrite them?\n  Answered: No\n  #0 x=0.9000")
	# No: the ring is appended, only the new facettes are selected.
	expect_contains("${out}" "  #11 x=0.7000 y=0.1536 r=0.1000 selected\n  selection: 6, 7, 8, 9, 10, 11\n  undo history: Generate | Generate\n")
	expect_contains("${out}" "  Answered: Cancel\n  #0 x=0.9000")
	expect_contains("${out}" "  Answered: Yes\n  #0 x=0.9000 y=0.5000 r=0.1000 selected\n  #1 x=0.1000 y=0.5000 r=0.1000 selected\n  selection: 0, 1\n")
	# Cancel changed nothing, so its transaction recorded nothing and the editor keeps no step of it.
	expect_contains("${out}" "  undo history: Generate | Generate | Set Facette Count | Generate\n")
elseif(CASE STREQUAL "unanswered")
	run_host(1 --prism-wheel --generate --clear-all --details)
	expect_contains("${out}" "  Question (YesNo): Do you want to remove all facettes?
  Not answered: closed with No.
  #0 x=0.9000 y=0.5000 r=0.1000 selected")
	expect_contains("${err}" "EditorHost: a question was not answered (give --answer Yes|No|Cancel before the click)")
	# The run stops at the failure.
	expect_missing("${out}" "Details tab of")
elseif(CASE STREQUAL "with-canvas-edits")
	# The details edits take their place among the canvas edits: the ring is undone and redone.
	run_host(0 --prism-wheel --generate --undo --redo --shots ${WORK}/Shots)
	expect_contains("${out}" "Edit 1: --generate\nClicked \"Generate\" in the details tab.\n")
	expect_contains("${out}" "Edit 2: --undo -> done\n  zoom 1.0000 pan 0.0000,0.0000\n  selection: (none)\n  undo history: (none)\n  redo: Generate\n")
	expect_contains("${out}" "Edit 3: --redo -> done\n")
	expect_contains("${out}" "  #5 x=0.7000 y=0.1536 r=0.1000 selected\n  selection: 0, 1, 2, 3, 4, 5\n  undo history: Generate\n  redo: (none)\n  picture ${WORK}/Shots/03-redo.png\n")
	if(NOT EXISTS ${WORK}/Shots/01-generate.png)
		message(FATAL_ERROR "missing the canvas picture after --generate")
	endif()
elseif(CASE STREQUAL "clear-all")
	# Answers that change nothing leave no undo step: the undo after them takes back the move before them,
	# and the redo list survives them.
	file(WRITE ${WORK}/two.json "{\"facettes\": [[0.3, 0.3, 0.08], [0.5, 0.5, 0.1]], \"selected\": [1]}")
	run_host(0 --prism-wheel ${WORK}/two.json --drag 300,300:350,330 --answer No --clear-all --answer Cancel --generate --undo
		--answer No --clear-all --redo --answer Yes --clear-all --clear-all)
	expect_contains("${out}" "  Answered: Cancel\n  #0 x=0.3000 y=0.3000 r=0.0800\n  #1 x=0.6000 y=0.5600 r=0.1000 selected\n  selection: 1\n  undo history: Move Facettes\n")
	expect_contains("${out}" "Edit 6: --undo -> done\n  zoom 1.0000 pan 0.0000,0.0000\n  #0 x=0.3000 y=0.3000 r=0.0800\n  #1 x=0.5000 y=0.5000 r=0.1000 selected\n")
	expect_contains("${out}" "  Answered: No\n  #0 x=0.3000 y=0.3000 r=0.0800\n  #1 x=0.5000 y=0.5000 r=0.1000 selected\n  selection: 1\n  undo history: (none)\n  redo: Move Facettes\n")
	expect_contains("${out}" "Edit 9: --redo -> done\n  zoom 1.0000 pan 0.0000,0.0000\n  #0 x=0.3000 y=0.3000 r=0.0800\n  #1 x=0.6000 y=0.5600 r=0.1000 selected\n")
	# Clear all on an empty wheel asks nothing and changes nothing.
	expect_contains("${out}" "Edit 12: --clear-all\nClicked \"Clear all\" in the details tab.\n  selection: (none)\n  undo history: Move Facettes | Clear all\n  redo: (none)\n")
elseif(CASE STREQUAL "focus")
	# Typing into a details row or clicking a details button takes the keyboard from the canvas until a press on it.
	file(WRITE ${WORK}/two.json "{\"facettes\": [[0.3, 0.3, 0.08], [0.5, 0.5, 0.1]], \"selected\": []}")
	run_host(0 --prism-wheel ${WORK}/two.json --click 300,300 --set-property FacetteCount=3 --key Delete --key Escape --click 300,300 --key Escape
		--click 300,300 --answer No --generate --key Delete --click 300,300 --key Delete)
	expect_contains("${out}" "Edit 3: --key Delete -> not handled\n  zoom 1.0000 pan 0.0000,0.0000\n  #0 x=0.3000 y=0.3000 r=0.0800\n  #1 x=0.5000 y=0.5000 r=0.1000 selected\n")
	expect_contains("${out}" "Edit 4: --key Escape -> not handled\n")
	expect_contains("${out}" "Edit 6: --key Escape -> handled\n  zoom 1.0000 pan 0.0000,0.0000\n  #0 x=0.3000 y=0.3000 r=0.0800\n  #1 x=0.5000 y=0.5000 r=0.1000\n  selection: (none)\n")
	expect_contains("${out}" "Edit 10: --key Delete -> not handled\n")
	expect_contains("${out}" "Edit 12: --key Delete -> handled\n")
	expect_contains("${out}" "  undo history: Set Facette Count | Generate | Delete\n")
elseif(CASE STREQUAL "unused-answer")
	run_host(1 --prism-wheel --answer Yes --generate)
	expect_contains("${err}" "EditorHost: 1 answer(s) given with --answer found no question")
	# Like every edit, an answer is followed by the facettes, the selection and the undo history.
	expect_contains("${out}" "Edit 1: --answer Yes\n  selection: (none)\n  undo history: (none)\n  redo: (none)\nEdit 2: --generate\n")
elseif(CASE STREQUAL "set-property")
	run_host(1 --prism-wheel --generate --set-property bSameSize=False --set-property FacetteSize=5 --set-property NoSuchThing=1)
	# The tab keeps the size in its range; with Same Size off only the selected facettes grow.
	expect_contains("${out}" "Set FacetteSize to 5 in the details tab; it shows 1.0.")
	expect_contains("${out}" "  #0 x=0.9000 y=0.5000 r=0.5000 selected\n")
	expect_contains("${out}" "  undo history: Generate | Set Same Size | Set Facette Size\n")
	expect_contains("${err}" "EditorHost: --set-property NoSuchThing=1: the details panel shows no property \"NoSuchThing\"")
	# Text that is not a finite number is refused as the number box refuses it; nothing changed and the run stops.
	run_host(1 --prism-wheel --set-property FacetteSize=nan --set-property FacetteSize=0.5)
	expect_contains("${err}" "EditorHost: --set-property FacetteSize=nan: \"nan\" is not a value of the property \"FacetteSize\"")
	expect_contains("${out}" "Edit 1: --set-property FacetteSize=nan\n  selection: (none)\n  undo history: (none)\n")
	expect_missing("${out}" "Edit 2")
elseif(CASE STREQUAL "thumbnail")
	# One facette of radius 0.1 moved to the centre of the disc.
	run_host(0 --prism-wheel --thumbnail 64,64 --set-property FacetteCount=1 --generate --set-property Radius=0
		--thumbnail 64,64 --thumbnail 128,64 --shots ${WORK}/Shots)
	expect_contains("${out}" "Thumbnail 64 x 64: ZORPrismWheelThumbnailRenderer cannot draw this prism wheel; the content browser shows the default thumbnail.")
	expect_contains("${out}" "  #0 x=0.5000 y=0.5000 r=0.1000 selected\n")
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
		expect_contains("${out}" "  picture ${WORK}/Shots/${_png}\n")
	endforeach()
elseif(CASE STREQUAL "bad-options")
	run_host(2 --prism-wheel --thumbnail 64x64)
	expect_contains("${err}" "EditorHost: --thumbnail needs W,H (whole numbers from 1 to 4096), got '64x64'")
	run_host(2 --prism-wheel --answer yes)
	expect_contains("${err}" "EditorHost: --answer takes Yes, No or Cancel, got 'yes'")
	run_host(2 --prism-wheel --set-property FacetteSize)
	expect_contains("${err}" "EditorHost: --set-property needs \"NAME=VALUE\", got 'FacetteSize'")
else()
	message(FATAL_ERROR "unknown case ${CASE}")
endif()
