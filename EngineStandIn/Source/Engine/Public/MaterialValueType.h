// The value types of material expressions' inputs and outputs, as bit flags.
#pragma once

enum EMaterialValueType
{
	MCT_Float1 = 1,
	MCT_Float2 = 2,
	MCT_Float3 = 4,
	MCT_Float4 = 8,
	MCT_Float = 8 | 4 | 2 | 1,
	MCT_Texture2D = 1 << 4,
	MCT_TextureCube = 1 << 5,
	MCT_Texture2DArray = 1 << 6,
	MCT_VolumeTexture = 1 << 7,
	MCT_StaticBool = 1 << 9,
	MCT_Unknown = 1 << 10,
	MCT_MaterialAttributes = 1 << 11,
	MCT_Texture = MCT_Texture2D | MCT_TextureCube | MCT_Texture2DArray | MCT_VolumeTexture,
};
