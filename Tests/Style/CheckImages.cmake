# Renders every icon of Resources/Slate with an SVG renderer and checks the size of every picture.
# cmake -DRSVG_CONVERT=<rsvg-convert> -DPLUGIN_DIR=<plug-in root> -DWORK_DIR=<scratch folder> -P CheckImages.cmake

function(_fail MESSAGE)
	message(SEND_ERROR "${MESSAGE}")
endfunction()

# Width and height of a PNG from its IHDR chunk.
function(_png_size FILE OUT_WIDTH OUT_HEIGHT)
	file(READ "${FILE}" _signature LIMIT 8 HEX)
	if(NOT _signature STREQUAL "89504e470d0a1a0a")
		set(${OUT_WIDTH} -1 PARENT_SCOPE)
		set(${OUT_HEIGHT} -1 PARENT_SCOPE)
		return()
	endif()
	file(READ "${FILE}" _w OFFSET 16 LIMIT 4 HEX)
	file(READ "${FILE}" _h OFFSET 20 LIMIT 4 HEX)
	math(EXPR _wd "0x${_w}")
	math(EXPR _hd "0x${_h}")
	set(${OUT_WIDTH} ${_wd} PARENT_SCOPE)
	set(${OUT_HEIGHT} ${_hd} PARENT_SCOPE)
endfunction()

function(_expect_png FILE WIDTH HEIGHT)
	if(NOT EXISTS "${FILE}")
		_fail("${FILE} is missing")
		return()
	endif()
	_png_size("${FILE}" _w _h)
	if(NOT _w EQUAL WIDTH OR NOT _h EQUAL HEIGHT)
		_fail("${FILE} is ${_w} x ${_h}, expected ${WIDTH} x ${HEIGHT}")
	endif()
endfunction()

# Every icon the style set names, with the size it is registered at.
set(_icons
	"ZORLightSetting_20.svg:20"
	"ZORPrismWheel_20.svg:20"
	"ZORPrismWheel_16.svg:16"
	"ZORPrismWheel_64.svg:64"
	"Icon_20.svg:20"
	"Refresh.svg:20")

file(GLOB _found RELATIVE "${PLUGIN_DIR}/Resources/Slate" "${PLUGIN_DIR}/Resources/Slate/*.svg")
list(LENGTH _found _found_count)
list(LENGTH _icons _icon_count)
if(NOT _found_count EQUAL _icon_count)
	_fail("Resources/Slate holds ${_found_count} .svg files (${_found}), expected ${_icon_count}")
endif()

file(MAKE_DIRECTORY "${WORK_DIR}")
foreach(_entry IN LISTS _icons)
	string(REPLACE ":" ";" _pair "${_entry}")
	list(GET _pair 0 _name)
	list(GET _pair 1 _size)
	set(_svg "${PLUGIN_DIR}/Resources/Slate/${_name}")
	if(NOT EXISTS "${_svg}")
		_fail("${_name} is missing")
		continue()
	endif()

	# The size in the file name is the size the document declares.
	string(REGEX MATCH "_([0-9]+)\\.svg$" _suffix "${_name}")
	if(_suffix AND NOT CMAKE_MATCH_1 EQUAL _size)
		_fail("${_name}: the table says ${_size}, the name says ${CMAKE_MATCH_1}")
	endif()
	file(READ "${_svg}" _text)
	string(REGEX MATCH "<svg[^>]*>" _root "${_text}")
	string(REGEX MATCH "[ \t\n]width=\"([^\"]*)\"" _unused "${_root}")
	set(_width "${CMAKE_MATCH_1}")
	string(REGEX MATCH "[ \t\n]height=\"([^\"]*)\"" _unused "${_root}")
	set(_height "${CMAKE_MATCH_1}")
	if(NOT _width STREQUAL "${_size}" OR NOT _height STREQUAL "${_size}")
		_fail("${_name} declares width \"${_width}\" and height \"${_height}\", expected ${_size}")
	endif()
	# Flat editor icons: white on transparent, never a coloured or filled background.
	if(NOT _text MATCHES "#FFFFFF")
		_fail("${_name} draws nothing in white")
	endif()

	# Rendered at its own size it must come out at exactly that size.
	get_filename_component(_base "${_name}" NAME_WE)
	set(_png "${WORK_DIR}/${_base}.png")
	file(REMOVE "${_png}")
	execute_process(COMMAND "${RSVG_CONVERT}" "${_svg}" -o "${_png}"
		RESULT_VARIABLE _result ERROR_VARIABLE _error)
	if(NOT _result EQUAL 0)
		_fail("${_name} does not render: ${_error}")
		continue()
	endif()
	_expect_png("${_png}" ${_size} ${_size})
endforeach()

_expect_png("${PLUGIN_DIR}/Resources/Slate/UEtoGMAHelp.png" 538 260)
_expect_png("${PLUGIN_DIR}/Resources/Icon128.png" 128 128)
