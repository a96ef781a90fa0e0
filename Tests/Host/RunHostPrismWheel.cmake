# Runs the headless editor's prism wheel journeys as a user would and checks what it says and the pictures.
# -DHOST=<EditorHost> -DWORK=<scratch folder> -DSOURCE=<Tests folder> -DCASE=<fresh|edits|mixed-order|stops|bad-file|bad-option>
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/HostCheck.cmake)

start_project()

if(CASE STREQUAL "fresh")
	run_host(0 --prism-wheel)
	expect_contains("${out}" "Created the prism wheel /Game/PW_PrismWheel.PW_PrismWheel through the factory.
Opened it as the content browser does: \"ZOR Prism Wheel Editor\" (ZORPrismWheelEditor), standalone.
  layout ZORPrismWheelEditorLayout
    area vertical
      splitter horizontal 0.6
        stack 0.8: PrismWheelEditorTab (opened)
        stack 0.2: PrismWheelDetailsTab (opened)
      stack 0.4: OutputLog (opened, no spawner here)
  window menu \"ZOR Prism Wheel Tabs\"
    PrismWheelEditor (icon ZORLightEditorStyle Icons.ZORPrismWheel)
    Details (icon EditorStyle LevelEditor.Tabs.Details)
  tab \"PrismWheelEditor\" shows SZORPrismWheelWidget
")
	# A new asset has the runtime class's defaults: no facettes, nothing selected, nothing to undo.
	expect_contains("${out}" "Canvas 600.0 x 600.0:
  zoom 1.0000 pan 0.0000,0.0000
  selection: (none)
  undo history: (none)
  redo: (none)
")
elseif(CASE STREQUAL "mixed-order")
	# Every option is one step in the order given; --canvas and --print-code set up the steps before them.
	run_host(0 --material Other --prism-wheel --generate --show-menu --canvas 300,200 --thumbnail 64,64 --print-code)
	expect_in_order("${out}" "Placed the node from the \"ZOR\" menu" "--- code ---\n1\n--- end ---\n"
		"Created the prism wheel" "Canvas 300.0 x 200.0:\n" "Edit 1: --generate\nClicked \"Generate\""
		"The \"ZORLight\" drop-down shows:" "Edit 2: --thumbnail 64,64\nThumbnail 64 x 64 drawn by")
elseif(CASE STREQUAL "stops")
	# The run stops at the step that failed: the material did not compile, so no prism wheel is made.
	run_host(1 --material Beam --unconnected TXTpColor --prism-wheel --click 300,300)
	expect_contains("${err}" "The material failed to compile:")
	expect_missing("${out}" "Created the prism wheel")
	# An unanswered question stops the run before the material.
	run_host(1 --prism-wheel --generate --clear-all --material Other)
	expect_contains("${out}" "  Not answered: closed with No.")
	expect_missing("${out}" "Placed the node")
	# A picture that cannot be written stops the run on standard error, the canvas's and the thumbnail's alike.
	file(MAKE_DIRECTORY ${WORK}/Shots/01-click.png ${WORK}/Shots/Thumbnail_64x64.png)
	run_host(1 --prism-wheel ${SOURCE}/Host/PrismWheel.json --shots ${WORK}/Shots --click 300,300 --key Escape)
	expect_contains("${err}" "EditorHost: the canvas picture ${WORK}/Shots/01-click.png was not written")
	expect_missing("${out}" "Edit 2")
	run_host(1 --prism-wheel ${SOURCE}/Host/PrismWheel.json --thumbnail 64,64 --generate --shots ${WORK}/Shots)
	expect_contains("${err}" "EditorHost: the thumbnail picture ${WORK}/Shots/Thumbnail_64x64.png was not written")
	expect_missing("${out}" "Edit 2")
elseif(CASE STREQUAL "edits")
	run_host(0 --prism-wheel ${SOURCE}/Host/PrismWheel.json --canvas 600,600
		--click 200,200:shift --drag 300,300:350,330 --drag 60,60:560,250 --wheel 300,300:2 --pan 100,100:140,80
		--key Delete --undo --redo --key Escape --shots ${WORK}/Shots)
	expect_contains("${out}" "Filled it from ${SOURCE}/Host/PrismWheel.json: 5 facettes, 1 selected.")
	# Shift-click on facette 0 (centre 200,200) adds it.
	expect_contains("${out}" "Edit 1: --click 200,200:shift -> handled
  zoom 1.0000 pan 0.0000,0.0000
  #0 x=0.3000 y=0.3000 r=0.0800 selected
  #1 x=0.5000 y=0.5000 r=0.1000 selected
")
	# Dragging the selection by (50, 30) moves both by (0.1, 0.06) under one transaction.
	expect_contains("${out}" "Edit 2: --drag 300,300:350,330 -> handled
  zoom 1.0000 pan 0.0000,0.0000
  #0 x=0.4000 y=0.3600 r=0.0800 selected
  #1 x=0.6000 y=0.5600 r=0.1000 selected
  #2 x=0.7000 y=0.3000 r=0.0800
  #3 x=0.3000 y=0.7000 r=0.0800
  #4 x=0.7000 y=0.7000 r=0.0800
  selection: 0, 1
  undo history: Move Facettes
")
	# A rectangle from empty canvas over the top half replaces the selection.
	expect_contains("${out}" "Edit 3: --drag 60,60:560,250 -> handled")
	expect_contains("${out}" "  selection: 0, 2\n")
	# Two notches about the centre: zoom 1.2, no pan; the right-button drag of (40, -20) pans by it over 1.2.
	expect_contains("${out}" "Edit 4: --wheel 300,300:2 -> handled
  zoom 1.2000 pan 0.0000,0.0000
")
	expect_contains("${out}" "Edit 5: --pan 100,100:140,80 -> handled
  zoom 1.2000 pan 33.3333,-16.6667
")
	expect_contains("${out}" "Edit 6: --key Delete -> handled
  zoom 1.2000 pan 33.3333,-16.6667
  #0 x=0.6000 y=0.5600 r=0.1000
  #1 x=0.3000 y=0.7000 r=0.0800
  #2 x=0.7000 y=0.7000 r=0.0800
  selection: (none)
  undo history: Move Facettes | Delete
  redo: (none)
")
	expect_contains("${out}" "Edit 7: --undo -> done
  zoom 1.2000 pan 33.3333,-16.6667
  #0 x=0.4000 y=0.3600 r=0.0800 selected
  #1 x=0.6000 y=0.5600 r=0.1000
  #2 x=0.7000 y=0.3000 r=0.0800 selected
  #3 x=0.3000 y=0.7000 r=0.0800
  #4 x=0.7000 y=0.7000 r=0.0800
  selection: 0, 2
  undo history: Move Facettes
  redo: Delete
")
	expect_contains("${out}" "Edit 8: --redo -> done")
	expect_contains("${out}" "Edit 9: --key Escape -> not handled")
	foreach(shot 00-open 01-click 02-drag 03-drag 04-wheel 05-pan 06-key-Delete 07-undo 08-redo 09-key-Escape)
		if(NOT EXISTS ${WORK}/Shots/${shot}.png)
			message(FATAL_ERROR "no picture ${shot}.png:\n${out}")
		endif()
		file(READ ${WORK}/Shots/${shot}.png _head LIMIT 24 HEX)
		# PNG signature, IHDR, 600 x 600.
		if(NOT _head STREQUAL "89504e470d0a1a0a0000000d494844520000025800000258")
			message(FATAL_ERROR "${shot}.png is not a 600 x 600 PNG: ${_head}")
		endif()
	endforeach()
elseif(CASE STREQUAL "bad-file")
	# A bad file stops the run before anything changed, even a settings edit given before it.
	write_settings_to_keep()
	file(WRITE ${WORK}/BadFacette.json "{\"facettes\": [[0.3, 0.3, 0.08], [0.5, \"half\", 0.1]], \"selected\": [1]}")
	run_host(2 --set "Wind Speed (km/h)=7" --prism-wheel ${WORK}/BadFacette.json --click 300,300)
	expect_contains("${err}" "EditorHost: prism wheel file ${WORK}/BadFacette.json: facette 1 must be [x, y, radius] with three numbers\n")
	expect_missing("${out}" "Loaded and started")
	expect_settings_kept("a bad prism wheel file")
	# Bytes after a NUL would be dropped without a word.
	execute_process(COMMAND printf "{\"facettes\": []}\\000{\"selected\": [7]}" OUTPUT_FILE ${WORK}/Nul.json)
	foreach(bad "NotJson.json|{\"facettes\": 1|not valid JSON"
			"PastEnd.json|{\"facettes\": [[0.5, 0.5, 0.1]], \"selected\": [0, 1]}|\"selected\" holds 1, which is not the index of a facette (the file has 1)"
			"Negative.json|{\"facettes\": [[0.5, 0.5, 0.1]], \"selected\": [-1]}|\"selected\" holds -1, which is not the index of a facette"
			"Huge.json|{\"facettes\": [[1e300, 0.5, 0.1]]}|facette 0 needs numbers that single precision holds"
			"Nul.json||the file holds bytes after a NUL (at byte 16)")
		string(REPLACE "|" ";" bad "${bad}")
		list(GET bad 0 name)
		list(GET bad 1 text)
		list(GET bad 2 problem)
		if(NOT text STREQUAL "")
			file(WRITE ${WORK}/${name} "${text}")
		endif()
		run_host(2 --prism-wheel ${WORK}/${name})
		expect_contains("${err}" "EditorHost: prism wheel file ${WORK}/${name}: ${problem}")
	endforeach()
	# A file name that is not UTF-8 is opened as given, a level's as a prism wheel's.
	string(ASCII 255 byte)
	file(COPY_FILE ${SOURCE}/Host/PrismWheel.json "${WORK}/wheel${byte}.json")
	file(COPY_FILE ${SOURCE}/Host/ToolStage.json "${WORK}/stage${byte}.json")
	run_host(0 --level "${WORK}/stage${byte}.json" --prism-wheel "${WORK}/wheel${byte}.json")
	expect_contains("${out}" ".json: 5 facettes, 1 selected.\n")
	expect_contains("${out}" "Spot A (ZORFixtureActor)")
elseif(CASE STREQUAL "bad-option")
	run_host(2 --prism-wheel --click 300,300:alt)
	expect_contains("${err}" "EditorHost: --click takes X,Y[:shift|:ctrl|:shift+ctrl], got '300,300:alt'")
	run_host(2 --prism-wheel --click)
	expect_contains("${err}" "EditorHost: --click needs a value")
	# The wheel must be open before its edits; nothing runs when it is not.
	run_host(2 --click 300,300 --prism-wheel)
	expect_contains("${err}" "EditorHost: canvas, details and thumbnail edits and --shots need --prism-wheel before them\n")
	expect_missing("${out}" "Loaded and started")
	run_host(2 --prism-wheel --prism-wheel ${SOURCE}/Host/PrismWheel.json)
	expect_contains("${err}" "EditorHost: --prism-wheel may be given once\n")
	expect_missing("${out}" "Loaded and started")
	run_host(2 --prism-wheel --canvas 0,600)
	expect_contains("${err}" "EditorHost: --canvas needs W,H between 1 and 8192, got '0,600'\n")
	# run_host would drop an empty argument.
	execute_process(COMMAND ${HOST} --project ${WORK}/Project --prism-wheel "" --click 300,300 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
	expect_exit(2)
	expect_contains("${err}" "EditorHost: --prism-wheel needs a value that is not empty\n")
	run_host(2 --canvas 300,300)
	expect_contains("${err}" "EditorHost: --canvas sizes the canvas of the prism wheel editor and needs --prism-wheel\n")
	foreach(twice "--canvas;300,300" "--shots;${WORK}/Shots")
		run_host(2 --prism-wheel ${twice} ${twice})
		list(GET twice 0 option)
		expect_contains("${err}" "EditorHost: ${option} may be given once\n")
	endforeach()
	# Positions beyond what single precision holds to the unit are refused; at that edge a drag stays finite.
	run_host(2 --prism-wheel --drag 300,300:1e300,1e300)
	expect_contains("${err}" "got '300,300:1e300,1e300'")
	run_host(2 --prism-wheel --wheel 300,300:inf)
	expect_contains("${err}" "got '300,300:inf'")
	run_host(0 --prism-wheel ${SOURCE}/Host/PrismWheel.json --drag 300,300:16777216,-16777216 --drag 16777216,-16777216:-16777216,16777216)
	expect_contains("${out}" "Edit 2: --drag 16777216,-16777216:-16777216,16777216 -> handled\n")
	string(TOLOWER "${out}" lower)
	expect_missing("${lower}" "nan")
	expect_missing("${lower}" "inf")
else()
	message(FATAL_ERROR "unknown case ${CASE}")
endif()
