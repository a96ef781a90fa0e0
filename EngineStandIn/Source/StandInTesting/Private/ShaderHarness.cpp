#include "StandInTesting/ShaderHarness.h"
#include "Containers/StringConv.h"

#include <vulkan/vulkan.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#ifndef ZOR_GLSLANG_VALIDATOR
#define ZOR_GLSLANG_VALIDATOR ""
#endif

// Under LeakSanitizer: Mesa's CPU Vulkan driver keeps a small allocation of its own unreachable, which
// no caller can free; the leak checker is told to leave that module alone.
extern "C" const char* __lsan_default_suppressions()
{
	return "leak:libvulkan_lvp.so\n";
}

namespace StandIn
{
	namespace
	{
		std::string ToUtf8(const FString& Text)
		{
			return std::string(TCHAR_TO_UTF8(*Text));
		}

		FString FromUtf8(const std::string& Text)
		{
			return FString(UTF8_TO_TCHAR(Text.c_str()));
		}

		int32 ComponentCount(EMaterialValueType Type)
		{
			switch (Type)
			{
			case MCT_Float1:
			case MCT_Float:
				return 1;
			case MCT_Float2:
				return 2;
			case MCT_Float3:
				return 3;
			case MCT_Float4:
				return 4;
			default:
				return 0;
			}
		}

		bool IsTextureParameter(const FCustomExpressionParameter& Parameter)
		{
			return (Parameter.Type & MCT_Texture) != 0 && !Parameter.HlslType.Equals(TEXT("SamplerState"), ESearchCase::CaseSensitive);
		}

		/** The record's value inputs in order with their offsets in one case's block of floats. */
		struct FValueSlot
		{
			FString Name;
			int32 Offset = 0;
			int32 Components = 0;
		};

		int32 LayOutValues(const FCustomExpressionRecord& Record, TArray<FValueSlot>& OutSlots)
		{
			int32 Stride = 0;
			for (const FCustomExpressionParameter& Parameter : Record.Parameters)
			{
				const int32 Components = ComponentCount(Parameter.Type);
				if (Components == 0)
				{
					continue;
				}
				FValueSlot Slot;
				Slot.Name = Parameter.Name;
				Slot.Offset = Stride;
				Slot.Components = Components;
				OutSlots.Add(Slot);
				Stride += Components;
			}
			return Stride;
		}

		TArray<FString> TextureNames(const FCustomExpressionRecord& Record)
		{
			TArray<FString> Names;
			for (const FCustomExpressionParameter& Parameter : Record.Parameters)
			{
				if (IsTextureParameter(Parameter))
				{
					Names.Add(Parameter.Name);
				}
			}
			return Names;
		}

		std::filesystem::path MakeWorkDir()
		{
			static std::atomic<int> Counter{ 0 };
			std::filesystem::path Dir = std::filesystem::temp_directory_path()
				/ ("zor-shader-" + std::to_string((long long)getpid()) + "-" + std::to_string(Counter++));
			std::filesystem::create_directories(Dir);
			return Dir;
		}

		std::string ReadAll(const std::filesystem::path& Path)
		{
			std::ifstream In(Path, std::ios::binary);
			return std::string((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
		}

		// Vulkan ----------------------------------------------------------------------------------

		struct FVulkanDevice
		{
			VkInstance Instance = VK_NULL_HANDLE;
			VkPhysicalDevice Physical = VK_NULL_HANDLE;
			VkDevice Device = VK_NULL_HANDLE;
			VkQueue Queue = VK_NULL_HANDLE;
			uint32 QueueFamily = 0;
			VkCommandPool CommandPool = VK_NULL_HANDLE;
			VkPhysicalDeviceMemoryProperties MemoryProperties{};
			FString Name;
			FString Problem;

			FVulkanDevice()
			{
				// Mesa's CPU device is the one every machine here has; prefer it when nothing else is asked for.
				const char* LavapipeIcd = "/usr/share/vulkan/icd.d/lvp_icd.x86_64.json";
				if (!std::getenv("VK_ICD_FILENAMES") && !std::getenv("VK_DRIVER_FILES") && std::filesystem::exists(LavapipeIcd))
				{
					setenv("VK_ICD_FILENAMES", LavapipeIcd, 0);
				}

				VkApplicationInfo App{};
				App.sType = VK_STRUCTURE_TYPE_APPLICATION_INFO;
				App.pApplicationName = "ZORLight shader harness";
				App.apiVersion = VK_API_VERSION_1_0;
				VkInstanceCreateInfo InstanceInfo{};
				InstanceInfo.sType = VK_STRUCTURE_TYPE_INSTANCE_CREATE_INFO;
				InstanceInfo.pApplicationInfo = &App;
				VkResult Result = vkCreateInstance(&InstanceInfo, nullptr, &Instance);
				if (Result != VK_SUCCESS)
				{
					Problem = FString::Printf(TEXT("no Vulkan instance (vkCreateInstance returned %d): install mesa-vulkan-drivers and libvulkan1"), (int32)Result);
					Instance = VK_NULL_HANDLE;
					return;
				}
				uint32 Count = 0;
				vkEnumeratePhysicalDevices(Instance, &Count, nullptr);
				if (Count == 0)
				{
					Problem = TEXT("no Vulkan device: install mesa-vulkan-drivers (llvmpipe)");
					return;
				}
				std::vector<VkPhysicalDevice> Devices(Count);
				vkEnumeratePhysicalDevices(Instance, &Count, Devices.data());
				for (VkPhysicalDevice Candidate : Devices)
				{
					uint32 FamilyCount = 0;
					vkGetPhysicalDeviceQueueFamilyProperties(Candidate, &FamilyCount, nullptr);
					std::vector<VkQueueFamilyProperties> Families(FamilyCount);
					vkGetPhysicalDeviceQueueFamilyProperties(Candidate, &FamilyCount, Families.data());
					for (uint32 Family = 0; Family < FamilyCount; ++Family)
					{
						if (Families[Family].queueFlags & VK_QUEUE_COMPUTE_BIT)
						{
							Physical = Candidate;
							QueueFamily = Family;
							break;
						}
					}
					if (Physical != VK_NULL_HANDLE)
					{
						break;
					}
				}
				if (Physical == VK_NULL_HANDLE)
				{
					Problem = TEXT("no Vulkan device with a compute queue");
					return;
				}
				VkPhysicalDeviceProperties Properties{};
				vkGetPhysicalDeviceProperties(Physical, &Properties);
				Name = FromUtf8(Properties.deviceName);
				vkGetPhysicalDeviceMemoryProperties(Physical, &MemoryProperties);

				const float Priority = 1.0f;
				VkDeviceQueueCreateInfo QueueInfo{};
				QueueInfo.sType = VK_STRUCTURE_TYPE_DEVICE_QUEUE_CREATE_INFO;
				QueueInfo.queueFamilyIndex = QueueFamily;
				QueueInfo.queueCount = 1;
				QueueInfo.pQueuePriorities = &Priority;
				VkDeviceCreateInfo DeviceInfo{};
				DeviceInfo.sType = VK_STRUCTURE_TYPE_DEVICE_CREATE_INFO;
				DeviceInfo.queueCreateInfoCount = 1;
				DeviceInfo.pQueueCreateInfos = &QueueInfo;
				Result = vkCreateDevice(Physical, &DeviceInfo, nullptr, &Device);
				if (Result != VK_SUCCESS)
				{
					Problem = FString::Printf(TEXT("vkCreateDevice returned %d on %s"), (int32)Result, *Name);
					Device = VK_NULL_HANDLE;
					return;
				}
				vkGetDeviceQueue(Device, QueueFamily, 0, &Queue);
				VkCommandPoolCreateInfo PoolInfo{};
				PoolInfo.sType = VK_STRUCTURE_TYPE_COMMAND_POOL_CREATE_INFO;
				PoolInfo.flags = VK_COMMAND_POOL_CREATE_RESET_COMMAND_BUFFER_BIT;
				PoolInfo.queueFamilyIndex = QueueFamily;
				vkCreateCommandPool(Device, &PoolInfo, nullptr, &CommandPool);
			}

			bool IsUsable() const
			{
				return Device != VK_NULL_HANDLE;
			}

			int32 FindMemoryType(uint32 TypeBits, VkMemoryPropertyFlags Flags) const
			{
				for (uint32 Index = 0; Index < MemoryProperties.memoryTypeCount; ++Index)
				{
					if ((TypeBits & (1u << Index)) && (MemoryProperties.memoryTypes[Index].propertyFlags & Flags) == Flags)
					{
						return (int32)Index;
					}
				}
				return INDEX_NONE;
			}
		};

		/**
		 * One device for the process, never torn down: Mesa's teardown of an instance loses an allocation
		 * of its own, which a leak checker would report against every run.
		 */
		FVulkanDevice& GetDevice()
		{
			static FVulkanDevice* Device = new FVulkanDevice();
			return *Device;
		}

		/** Everything one run creates, released in one place. */
		struct FRunResources
		{
			FVulkanDevice& Vk;
			std::vector<VkBuffer> Buffers;
			std::vector<VkDeviceMemory> Memories;
			std::vector<VkImage> Images;
			std::vector<VkImageView> Views;
			std::vector<VkSampler> Samplers;
			VkShaderModule Module = VK_NULL_HANDLE;
			VkDescriptorSetLayout SetLayout = VK_NULL_HANDLE;
			VkPipelineLayout PipelineLayout = VK_NULL_HANDLE;
			VkPipeline Pipeline = VK_NULL_HANDLE;
			VkDescriptorPool DescriptorPool = VK_NULL_HANDLE;
			VkCommandBuffer Commands = VK_NULL_HANDLE;
			VkFence Fence = VK_NULL_HANDLE;

			explicit FRunResources(FVulkanDevice& InVk)
				: Vk(InVk)
			{
			}

			~FRunResources()
			{
				VkDevice D = Vk.Device;
				vkDeviceWaitIdle(D);
				DestroyMade(D, Fence, vkDestroyFence);
				if (Commands)
				{
					vkFreeCommandBuffers(D, Vk.CommandPool, 1, &Commands);
				}
				DestroyMade(D, DescriptorPool, vkDestroyDescriptorPool);
				DestroyMade(D, Pipeline, vkDestroyPipeline);
				DestroyMade(D, PipelineLayout, vkDestroyPipelineLayout);
				DestroyMade(D, SetLayout, vkDestroyDescriptorSetLayout);
				DestroyMade(D, Module, vkDestroyShaderModule);
				DestroyEach(D, Samplers, vkDestroySampler);
				DestroyEach(D, Views, vkDestroyImageView);
				DestroyEach(D, Images, vkDestroyImage);
				DestroyEach(D, Buffers, vkDestroyBuffer);
				DestroyEach(D, Memories, vkFreeMemory);
			}

			/** Destroys the object when the run got as far as making it. */
			template <typename THandle>
			static void DestroyMade(VkDevice D, THandle Handle, void (*Destroy)(VkDevice, THandle, const VkAllocationCallbacks*))
			{
				if (Handle != VK_NULL_HANDLE)
				{
					Destroy(D, Handle, nullptr);
				}
			}

			template <typename THandle>
			static void DestroyEach(VkDevice D, const std::vector<THandle>& Handles, void (*Destroy)(VkDevice, THandle, const VkAllocationCallbacks*))
			{
				for (THandle Handle : Handles)
				{
					DestroyMade(D, Handle, Destroy);
				}
			}

			/** A host-visible buffer; its mapped memory through OutMapped. */
			bool MakeBuffer(VkDeviceSize Size, VkBufferUsageFlags Usage, VkBuffer& OutBuffer, void*& OutMapped)
			{
				VkBufferCreateInfo Info{};
				Info.sType = VK_STRUCTURE_TYPE_BUFFER_CREATE_INFO;
				Info.size = Size < 16 ? 16 : Size;
				Info.usage = Usage;
				Info.sharingMode = VK_SHARING_MODE_EXCLUSIVE;
				if (vkCreateBuffer(Vk.Device, &Info, nullptr, &OutBuffer) != VK_SUCCESS)
				{
					return false;
				}
				Buffers.push_back(OutBuffer);
				VkMemoryRequirements Requirements;
				vkGetBufferMemoryRequirements(Vk.Device, OutBuffer, &Requirements);
				const int32 Type = Vk.FindMemoryType(Requirements.memoryTypeBits, VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT);
				if (Type == INDEX_NONE)
				{
					return false;
				}
				VkMemoryAllocateInfo Alloc{};
				Alloc.sType = VK_STRUCTURE_TYPE_MEMORY_ALLOCATE_INFO;
				Alloc.allocationSize = Requirements.size;
				Alloc.memoryTypeIndex = (uint32)Type;
				VkDeviceMemory Memory;
				if (vkAllocateMemory(Vk.Device, &Alloc, nullptr, &Memory) != VK_SUCCESS)
				{
					return false;
				}
				Memories.push_back(Memory);
				vkBindBufferMemory(Vk.Device, OutBuffer, Memory, 0);
				return vkMapMemory(Vk.Device, Memory, 0, VK_WHOLE_SIZE, 0, &OutMapped) == VK_SUCCESS;
			}

			bool BeginCommands()
			{
				if (!Commands)
				{
					VkCommandBufferAllocateInfo Info{};
					Info.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_ALLOCATE_INFO;
					Info.commandPool = Vk.CommandPool;
					Info.level = VK_COMMAND_BUFFER_LEVEL_PRIMARY;
					Info.commandBufferCount = 1;
					if (vkAllocateCommandBuffers(Vk.Device, &Info, &Commands) != VK_SUCCESS)
					{
						return false;
					}
					VkFenceCreateInfo FenceInfo{};
					FenceInfo.sType = VK_STRUCTURE_TYPE_FENCE_CREATE_INFO;
					vkCreateFence(Vk.Device, &FenceInfo, nullptr, &Fence);
				}
				vkResetCommandBuffer(Commands, 0);
				VkCommandBufferBeginInfo Begin{};
				Begin.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_BEGIN_INFO;
				Begin.flags = VK_COMMAND_BUFFER_USAGE_ONE_TIME_SUBMIT_BIT;
				return vkBeginCommandBuffer(Commands, &Begin) == VK_SUCCESS;
			}

			bool SubmitAndWait()
			{
				vkEndCommandBuffer(Commands);
				VkSubmitInfo Submit{};
				Submit.sType = VK_STRUCTURE_TYPE_SUBMIT_INFO;
				Submit.commandBufferCount = 1;
				Submit.pCommandBuffers = &Commands;
				vkResetFences(Vk.Device, 1, &Fence);
				if (vkQueueSubmit(Vk.Queue, 1, &Submit, Fence) != VK_SUCCESS)
				{
					return false;
				}
				return vkWaitForFences(Vk.Device, 1, &Fence, VK_TRUE, 60ull * 1000 * 1000 * 1000) == VK_SUCCESS;
			}

			static void Transition(VkCommandBuffer Cmd, VkImage Image, VkImageLayout From, VkImageLayout To,
				VkAccessFlags SrcAccess, VkAccessFlags DstAccess, VkPipelineStageFlags SrcStage, VkPipelineStageFlags DstStage)
			{
				VkImageMemoryBarrier Barrier{};
				Barrier.sType = VK_STRUCTURE_TYPE_IMAGE_MEMORY_BARRIER;
				Barrier.oldLayout = From;
				Barrier.newLayout = To;
				Barrier.srcAccessMask = SrcAccess;
				Barrier.dstAccessMask = DstAccess;
				Barrier.srcQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
				Barrier.dstQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
				Barrier.image = Image;
				Barrier.subresourceRange.aspectMask = VK_IMAGE_ASPECT_COLOR_BIT;
				Barrier.subresourceRange.levelCount = VK_REMAINING_MIP_LEVELS;
				Barrier.subresourceRange.layerCount = 1;
				vkCmdPipelineBarrier(Cmd, SrcStage, DstStage, 0, 0, nullptr, 0, nullptr, 1, &Barrier);
			}

			/** An RGBA32F image with every mip's texels uploaded, its view and a point sampler that wraps. */
			bool MakeTexture(const FShaderTexture& Texture, VkImageView& OutView, VkSampler& OutSampler, FString& OutError)
			{
				const int32 Count = Texture.MipOffset(Texture.NumMips);
				if (Count <= 0 || Texture.NumMips < 1 || Texture.Texels.Num() != Count)
				{
					OutError = FString::Printf(TEXT("texture of %dx%dx%d with %d mips has %d texels"), Texture.Width, Texture.Height, Texture.Depth,
						Texture.NumMips, Texture.Texels.Num());
					return false;
				}
				const VkDeviceSize Bytes = (VkDeviceSize)Count * 4 * sizeof(float);
				VkBuffer Staging;
				void* Mapped = nullptr;
				if (!MakeBuffer(Bytes, VK_BUFFER_USAGE_TRANSFER_SRC_BIT, Staging, Mapped))
				{
					OutError = TEXT("cannot make a staging buffer");
					return false;
				}
				float* Floats = static_cast<float*>(Mapped);
				for (int32 Index = 0; Index < Count; ++Index)
				{
					Floats[Index * 4 + 0] = Texture.Texels[Index].R;
					Floats[Index * 4 + 1] = Texture.Texels[Index].G;
					Floats[Index * 4 + 2] = Texture.Texels[Index].B;
					Floats[Index * 4 + 3] = Texture.Texels[Index].A;
				}

				VkImageCreateInfo Info{};
				Info.sType = VK_STRUCTURE_TYPE_IMAGE_CREATE_INFO;
				Info.imageType = Texture.bVolume ? VK_IMAGE_TYPE_3D : VK_IMAGE_TYPE_2D;
				Info.format = VK_FORMAT_R32G32B32A32_SFLOAT;
				Info.extent = { (uint32)Texture.Width, (uint32)Texture.Height, (uint32)Texture.Depth };
				Info.mipLevels = (uint32)Texture.NumMips;
				Info.arrayLayers = 1;
				Info.samples = VK_SAMPLE_COUNT_1_BIT;
				Info.tiling = VK_IMAGE_TILING_OPTIMAL;
				Info.usage = VK_IMAGE_USAGE_SAMPLED_BIT | VK_IMAGE_USAGE_TRANSFER_DST_BIT;
				Info.sharingMode = VK_SHARING_MODE_EXCLUSIVE;
				Info.initialLayout = VK_IMAGE_LAYOUT_UNDEFINED;
				VkImage Image;
				if (vkCreateImage(Vk.Device, &Info, nullptr, &Image) != VK_SUCCESS)
				{
					OutError = TEXT("vkCreateImage failed");
					return false;
				}
				Images.push_back(Image);
				VkMemoryRequirements Requirements;
				vkGetImageMemoryRequirements(Vk.Device, Image, &Requirements);
				int32 Type = Vk.FindMemoryType(Requirements.memoryTypeBits, VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT);
				if (Type == INDEX_NONE)
				{
					Type = Vk.FindMemoryType(Requirements.memoryTypeBits, 0);
				}
				VkMemoryAllocateInfo Alloc{};
				Alloc.sType = VK_STRUCTURE_TYPE_MEMORY_ALLOCATE_INFO;
				Alloc.allocationSize = Requirements.size;
				Alloc.memoryTypeIndex = (uint32)Type;
				VkDeviceMemory Memory;
				if (Type == INDEX_NONE || vkAllocateMemory(Vk.Device, &Alloc, nullptr, &Memory) != VK_SUCCESS)
				{
					OutError = TEXT("cannot allocate image memory");
					return false;
				}
				Memories.push_back(Memory);
				vkBindImageMemory(Vk.Device, Image, Memory, 0);

				if (!BeginCommands())
				{
					OutError = TEXT("cannot record commands");
					return false;
				}
				Transition(Commands, Image, VK_IMAGE_LAYOUT_UNDEFINED, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL,
					0, VK_ACCESS_TRANSFER_WRITE_BIT, VK_PIPELINE_STAGE_TOP_OF_PIPE_BIT, VK_PIPELINE_STAGE_TRANSFER_BIT);
				std::vector<VkBufferImageCopy> Copies;
				VkDeviceSize Offset = 0;
				for (int32 Mip = 0; Mip < Texture.NumMips; ++Mip)
				{
					VkBufferImageCopy Copy{};
					Copy.bufferOffset = Offset;
					Copy.imageSubresource.aspectMask = VK_IMAGE_ASPECT_COLOR_BIT;
					Copy.imageSubresource.mipLevel = (uint32)Mip;
					Copy.imageSubresource.layerCount = 1;
					Copy.imageExtent = { (uint32)FShaderTexture::MipExtent(Texture.Width, Mip), (uint32)FShaderTexture::MipExtent(Texture.Height, Mip),
						(uint32)(Texture.bVolume ? FShaderTexture::MipExtent(Texture.Depth, Mip) : 1) };
					Copies.push_back(Copy);
					Offset += (VkDeviceSize)Texture.MipTexelCount(Mip) * 4 * sizeof(float);
				}
				vkCmdCopyBufferToImage(Commands, Staging, Image, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL, (uint32)Copies.size(), Copies.data());
				Transition(Commands, Image, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL, VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL,
					VK_ACCESS_TRANSFER_WRITE_BIT, VK_ACCESS_SHADER_READ_BIT, VK_PIPELINE_STAGE_TRANSFER_BIT, VK_PIPELINE_STAGE_COMPUTE_SHADER_BIT);
				if (!SubmitAndWait())
				{
					OutError = TEXT("texture upload failed");
					return false;
				}

				VkImageViewCreateInfo ViewInfo{};
				ViewInfo.sType = VK_STRUCTURE_TYPE_IMAGE_VIEW_CREATE_INFO;
				ViewInfo.image = Image;
				ViewInfo.viewType = Texture.bVolume ? VK_IMAGE_VIEW_TYPE_3D : VK_IMAGE_VIEW_TYPE_2D;
				ViewInfo.format = Info.format;
				ViewInfo.subresourceRange.aspectMask = VK_IMAGE_ASPECT_COLOR_BIT;
				ViewInfo.subresourceRange.levelCount = (uint32)Texture.NumMips;
				ViewInfo.subresourceRange.layerCount = 1;
				if (vkCreateImageView(Vk.Device, &ViewInfo, nullptr, &OutView) != VK_SUCCESS)
				{
					OutError = TEXT("vkCreateImageView failed");
					return false;
				}
				Views.push_back(OutView);

				VkSamplerCreateInfo SamplerInfo{};
				SamplerInfo.sType = VK_STRUCTURE_TYPE_SAMPLER_CREATE_INFO;
				SamplerInfo.magFilter = VK_FILTER_NEAREST;
				SamplerInfo.minFilter = VK_FILTER_NEAREST;
				SamplerInfo.mipmapMode = VK_SAMPLER_MIPMAP_MODE_NEAREST;
				SamplerInfo.addressModeU = VK_SAMPLER_ADDRESS_MODE_REPEAT;
				SamplerInfo.addressModeV = VK_SAMPLER_ADDRESS_MODE_REPEAT;
				SamplerInfo.addressModeW = VK_SAMPLER_ADDRESS_MODE_REPEAT;
				SamplerInfo.maxLod = (float)(Texture.NumMips - 1);
				if (vkCreateSampler(Vk.Device, &SamplerInfo, nullptr, &OutSampler) != VK_SUCCESS)
				{
					OutError = TEXT("vkCreateSampler failed");
					return false;
				}
				Samplers.push_back(OutSampler);
				return true;
			}
		};
	}

	FShaderTexture FShaderTexture::Filled(int32 InWidth, int32 InHeight, const FLinearColor& Color)
	{
		FShaderTexture Texture = Blank(InWidth, InHeight, 1, false, 1);
		Texture.Texels.Init(Color, Texture.Texels.Num());
		return Texture;
	}

	FShaderTexture FShaderTexture::FilledVolume(int32 InSize, const FLinearColor& Color)
	{
		FShaderTexture Texture = Blank(InSize, InSize, InSize, true, 1);
		Texture.Texels.Init(Color, Texture.Texels.Num());
		return Texture;
	}

	FShaderTexture FShaderTexture::Blank(int32 InWidth, int32 InHeight, int32 InDepth, bool bInVolume, int32 InNumMips)
	{
		FShaderTexture Texture;
		Texture.Width = InWidth;
		Texture.Height = InHeight;
		Texture.Depth = bInVolume ? InDepth : 1;
		Texture.bVolume = bInVolume;
		Texture.NumMips = InNumMips;
		Texture.Texels.Init(FLinearColor(0.0f, 0.0f, 0.0f, 0.0f), Texture.MipOffset(Texture.NumMips));
		return Texture;
	}

	int32 FShaderTexture::MipOffset(int32 Mip) const
	{
		int32 Offset = 0;
		for (int32 Level = 0; Level < Mip; ++Level)
		{
			Offset += MipTexelCount(Level);
		}
		return Offset;
	}

	int32 FShaderTexture::MipTexelCount(int32 Mip) const
	{
		return MipExtent(Width, Mip) * MipExtent(Height, Mip) * (bVolume ? MipExtent(Depth, Mip) : 1);
	}

	FLinearColor& FShaderTexture::At(int32 X, int32 Y, int32 Z, int32 Mip)
	{
		return const_cast<FLinearColor&>(static_cast<const FShaderTexture*>(this)->At(X, Y, Z, Mip));
	}

	const FLinearColor& FShaderTexture::At(int32 X, int32 Y, int32 Z, int32 Mip) const
	{
		const int32 W = MipExtent(Width, Mip);
		const int32 H = MipExtent(Height, Mip);
		const int32 D = bVolume ? MipExtent(Depth, Mip) : 1;
		check(Mip >= 0 && Mip < NumMips && X >= 0 && X < W && Y >= 0 && Y < H && Z >= 0 && Z < D);
		return Texels[MipOffset(Mip) + (Z * H + Y) * W + X];
	}

	FString FShaderHarness::MakeComputeShader(const FCustomExpressionRecord& Record, const FMatrix44f& WorldToLocal)
	{
		TArray<FValueSlot> Slots;
		const int32 Stride = LayOutValues(Record, Slots);
		const TArray<FString> Textures = TextureNames(Record);

		FString Source;
		Source += TEXT("// The engine's shader library symbols, as far as the material templates use them.\n");
		Source += TEXT("#define MaterialFloat float\n#define MaterialFloat2 float2\n#define MaterialFloat3 float3\n#define MaterialFloat4 float4\n");
		Source += TEXT("#define PI 3.1415926535897932\n");
		Source += TEXT("struct FMaterialPixelParameters\n{\n\tuint PrimitiveId;\n};\n");
		Source += TEXT("struct FLWCInverseMatrix\n{\n\tfloat4x4 M;\n\tfloat3 PreTranslation;\n};\n");
		Source += TEXT("struct FPrimitiveSceneData\n{\n\tFLWCInverseMatrix WorldToLocal;\n};\n");
		Source += TEXT("FPrimitiveSceneData GetPrimitiveData(uint PrimitiveId)\n{\n\tFPrimitiveSceneData Data;\n");
		FString Matrix;
		for (int32 Row = 0; Row < 4; ++Row)
		{
			for (int32 Column = 0; Column < 4; ++Column)
			{
				Matrix += FString::Printf(TEXT("%s%.9g"), Row + Column ? TEXT(", ") : TEXT(""), (double)WorldToLocal.M[Row][Column]);
			}
		}
		Source += FString::Printf(TEXT("\tData.WorldToLocal.M = float4x4(%s);\n"), *Matrix);
		Source += TEXT("\tData.WorldToLocal.PreTranslation = float3(0, 0, 0);\n\treturn Data;\n}\n");
		Source += TEXT("float4x4 LWCToFloat(FLWCInverseMatrix Value)\n{\n\treturn Value.M;\n}\n\n");
		Source += Record.Definition;
		Source += TEXT("\n[[vk::binding(0, 0)]] StructuredBuffer<float> StandInHarnessInputs;\n");
		Source += TEXT("[[vk::binding(1, 0)]] RWStructuredBuffer<float4> StandInHarnessOutputs;\n");
		for (int32 Index = 0; Index < Textures.Num(); ++Index)
		{
			const bool bVolume = Record.Parameters.ContainsByPredicate([&](const FCustomExpressionParameter& P)
			{
				return P.Name.Equals(Textures[Index], ESearchCase::CaseSensitive) && P.Type == MCT_VolumeTexture;
			});
			Source += FString::Printf(TEXT("[[vk::binding(%d, 0)]] %s StandInHarnessTexture%d;\n"), 2 + Index * 2, bVolume ? TEXT("Texture3D") : TEXT("Texture2D"), Index);
			Source += FString::Printf(TEXT("[[vk::binding(%d, 0)]] SamplerState StandInHarnessSampler%d;\n"), 3 + Index * 2, Index);
		}
		Source += TEXT("\n[numthreads(1, 1, 1)]\nvoid main(uint3 StandInHarnessId : SV_DispatchThreadID)\n{\n");
		Source += FString::Printf(TEXT("\tuint Base = StandInHarnessId.x * %d;\n"), Stride);
		Source += TEXT("\tFMaterialPixelParameters Parameters;\n\tParameters.PrimitiveId = 0;\n");
		FString Arguments = TEXT("Parameters");
		for (const FCustomExpressionParameter& Parameter : Record.Parameters)
		{
			if (IsTextureParameter(Parameter))
			{
				Arguments += FString::Printf(TEXT(", StandInHarnessTexture%d"), Textures.IndexOfByKey(Parameter.Name));
				continue;
			}
			if (Parameter.HlslType.Equals(TEXT("SamplerState"), ESearchCase::CaseSensitive))
			{
				FString TextureName = Parameter.Name;
				TextureName.RemoveFromEnd(TEXT("Sampler"), ESearchCase::CaseSensitive);
				Arguments += FString::Printf(TEXT(", StandInHarnessSampler%d"), Textures.IndexOfByKey(TextureName));
				continue;
			}
			const FValueSlot* Slot = Slots.FindByPredicate([&](const FValueSlot& S)
			{
				return S.Name.Equals(Parameter.Name, ESearchCase::CaseSensitive);
			});
			check(Slot);
			FString Components;
			for (int32 C = 0; C < Slot->Components; ++C)
			{
				Components += FString::Printf(TEXT("%sStandInHarnessInputs[Base + %d]"), C ? TEXT(", ") : TEXT(""), Slot->Offset + C);
			}
			Arguments += Slot->Components == 1 ? FString::Printf(TEXT(", %s"), *Components) : FString::Printf(TEXT(", float%d(%s)"), Slot->Components, *Components);
		}
		Source += FString::Printf(TEXT("\t%s Result = %s(%s);\n"), *Record.OutputHlslType, *Record.FunctionName, *Arguments);
		switch (ComponentCount(Record.OutputType))
		{
		case 1:
			Source += TEXT("\tStandInHarnessOutputs[StandInHarnessId.x] = float4(Result, 0, 0, 0);\n");
			break;
		case 2:
			Source += TEXT("\tStandInHarnessOutputs[StandInHarnessId.x] = float4(Result, 0, 0);\n");
			break;
		case 3:
			Source += TEXT("\tStandInHarnessOutputs[StandInHarnessId.x] = float4(Result, 0);\n");
			break;
		default:
			Source += TEXT("\tStandInHarnessOutputs[StandInHarnessId.x] = Result;\n");
			break;
		}
		Source += TEXT("}\n");
		return Source;
	}

	bool FShaderHarness::CompileHlsl(const FString& Source, TArray<uint32>& OutSpirv, FString& OutLog)
	{
		OutSpirv.Reset();
		const std::string Validator = ZOR_GLSLANG_VALIDATOR;
		if (Validator.empty() || !std::filesystem::exists(Validator))
		{
			OutLog = TEXT("glslangValidator was not found when the build was configured: install glslang-tools");
			return false;
		}
		const std::filesystem::path Dir = MakeWorkDir();
		const std::filesystem::path In = Dir / "shader.hlsl";
		const std::filesystem::path Out = Dir / "shader.spv";
		const std::filesystem::path Log = Dir / "glslang.log";
		{
			std::ofstream File(In, std::ios::binary);
			File << ToUtf8(Source);
		}
		const std::string Command = "\"" + Validator + "\" -D -V -S comp -e main --target-env vulkan1.0 -o \"" + Out.string()
			+ "\" \"" + In.string() + "\" > \"" + Log.string() + "\" 2>&1";
		const int Status = std::system(Command.c_str());
		OutLog = FromUtf8(ReadAll(Log));
		bool bOk = Status == 0 && std::filesystem::exists(Out);
		if (bOk)
		{
			const std::string Words = ReadAll(Out);
			if (Words.size() % 4 != 0 || Words.empty())
			{
				bOk = false;
			}
			else
			{
				OutSpirv.SetNumUninitialized((int32)(Words.size() / 4));
				std::memcpy(OutSpirv.GetData(), Words.data(), Words.size());
			}
		}
		std::error_code Ignored;
		std::filesystem::remove_all(Dir, Ignored);
		return bOk;
	}

	bool FShaderHarness::HasDevice(FString& OutReason)
	{
		FVulkanDevice& Vk = GetDevice();
		OutReason = Vk.Problem;
		return Vk.IsUsable();
	}

	FString FShaderHarness::GetDeviceName()
	{
		return GetDevice().Name;
	}

	bool FShaderHarness::Run(const FCustomExpressionRecord& Record, const TArray<FShaderCase>& Cases,
		const TMap<FString, FShaderTexture>& Textures, TArray<FVector4f>& OutResults, FString& OutError, const FMatrix44f& WorldToLocal)
	{
		OutResults.Reset();
		FVulkanDevice& Vk = GetDevice();
		if (!Vk.IsUsable())
		{
			OutError = Vk.Problem;
			return false;
		}
		if (Cases.Num() == 0)
		{
			return true;
		}

		TArray<FValueSlot> Slots;
		const int32 Stride = LayOutValues(Record, Slots);
		const TArray<FString> TextureParameters = TextureNames(Record);

		// A value for a name the function does not take is a mistake in the caller's case.
		for (const FShaderCase& Case : Cases)
		{
			for (const TPair<FString, FVector4f>& Value : Case)
			{
				if (!Slots.ContainsByPredicate([&](const FValueSlot& S) { return S.Name.Equals(Value.Key, ESearchCase::CaseSensitive); }))
				{
					OutError = FString::Printf(TEXT("the function has no value input named %s"), *Value.Key);
					return false;
				}
			}
		}
		for (const TPair<FString, FShaderTexture>& Texture : Textures)
		{
			if (!TextureParameters.ContainsByPredicate([&](const FString& Name) { return Name.Equals(Texture.Key, ESearchCase::CaseSensitive); }))
			{
				OutError = FString::Printf(TEXT("the function has no texture input named %s"), *Texture.Key);
				return false;
			}
		}

		// Runs of one template differ in their cases and textures, not in the text: compile it once.
		static TMap<FString, TArray<uint32>> Compiled;
		const FString Source = MakeComputeShader(Record, WorldToLocal);
		if (!Compiled.Contains(Source))
		{
			TArray<uint32> Spirv;
			FString Log;
			if (!CompileHlsl(Source, Spirv, Log))
			{
				OutError = TEXT("glslang: ") + Log;
				return false;
			}
			Compiled.Add(Source, Spirv);
		}
		const TArray<uint32>& Spirv = Compiled[Source];

		FRunResources R(Vk);
		VkBuffer InputBuffer;
		VkBuffer OutputBuffer;
		void* InputMapped = nullptr;
		void* OutputMapped = nullptr;
		const VkDeviceSize InputBytes = (VkDeviceSize)Cases.Num() * (VkDeviceSize)(Stride > 0 ? Stride : 1) * sizeof(float);
		const VkDeviceSize OutputBytes = (VkDeviceSize)Cases.Num() * 4 * sizeof(float);
		if (!R.MakeBuffer(InputBytes, VK_BUFFER_USAGE_STORAGE_BUFFER_BIT, InputBuffer, InputMapped)
			|| !R.MakeBuffer(OutputBytes, VK_BUFFER_USAGE_STORAGE_BUFFER_BIT, OutputBuffer, OutputMapped))
		{
			OutError = TEXT("cannot make the input and output buffers");
			return false;
		}
		float* Inputs = static_cast<float*>(InputMapped);
		std::memset(Inputs, 0, (size_t)InputBytes);
		for (int32 CaseIndex = 0; CaseIndex < Cases.Num(); ++CaseIndex)
		{
			for (const FValueSlot& Slot : Slots)
			{
				const FVector4f* Value = Cases[CaseIndex].Find(Slot.Name);
				if (!Value)
				{
					continue;
				}
				const float Components[4] = { Value->X, Value->Y, Value->Z, Value->W };
				for (int32 C = 0; C < Slot.Components; ++C)
				{
					Inputs[CaseIndex * Stride + Slot.Offset + C] = Components[C];
				}
			}
		}
		std::memset(OutputMapped, 0xFF, (size_t)OutputBytes);

		std::vector<VkImageView> Views;
		std::vector<VkSampler> Samplers;
		for (const FString& Name : TextureParameters)
		{
			FShaderTexture Texture;
			if (const FShaderTexture* Given = Textures.Find(Name))
			{
				Texture = *Given;
			}
			else
			{
				const bool bVolume = Record.Parameters.ContainsByPredicate([&](const FCustomExpressionParameter& P)
				{
					return P.Name.Equals(Name, ESearchCase::CaseSensitive) && P.Type == MCT_VolumeTexture;
				});
				Texture = bVolume ? FShaderTexture::FilledVolume(1, FLinearColor::White) : FShaderTexture::Filled(1, 1, FLinearColor::White);
			}
			VkImageView View;
			VkSampler Sampler;
			FString TextureError;
			if (!R.MakeTexture(Texture, View, Sampler, TextureError))
			{
				OutError = Name + TEXT(": ") + TextureError;
				return false;
			}
			Views.push_back(View);
			Samplers.push_back(Sampler);
		}

		std::vector<VkDescriptorSetLayoutBinding> Bindings;
		for (uint32 Binding = 0; Binding < 2 + 2 * (uint32)TextureParameters.Num(); ++Binding)
		{
			VkDescriptorSetLayoutBinding Entry{};
			Entry.binding = Binding;
			Entry.descriptorType = Binding < 2 ? VK_DESCRIPTOR_TYPE_STORAGE_BUFFER
				: (Binding % 2 == 0 ? VK_DESCRIPTOR_TYPE_SAMPLED_IMAGE : VK_DESCRIPTOR_TYPE_SAMPLER);
			Entry.descriptorCount = 1;
			Entry.stageFlags = VK_SHADER_STAGE_COMPUTE_BIT;
			Bindings.push_back(Entry);
		}
		VkDescriptorSetLayoutCreateInfo SetLayoutInfo{};
		SetLayoutInfo.sType = VK_STRUCTURE_TYPE_DESCRIPTOR_SET_LAYOUT_CREATE_INFO;
		SetLayoutInfo.bindingCount = (uint32)Bindings.size();
		SetLayoutInfo.pBindings = Bindings.data();
		vkCreateDescriptorSetLayout(Vk.Device, &SetLayoutInfo, nullptr, &R.SetLayout);

		VkPipelineLayoutCreateInfo LayoutInfo{};
		LayoutInfo.sType = VK_STRUCTURE_TYPE_PIPELINE_LAYOUT_CREATE_INFO;
		LayoutInfo.setLayoutCount = 1;
		LayoutInfo.pSetLayouts = &R.SetLayout;
		vkCreatePipelineLayout(Vk.Device, &LayoutInfo, nullptr, &R.PipelineLayout);

		VkShaderModuleCreateInfo ModuleInfo{};
		ModuleInfo.sType = VK_STRUCTURE_TYPE_SHADER_MODULE_CREATE_INFO;
		ModuleInfo.codeSize = (size_t)Spirv.Num() * sizeof(uint32);
		ModuleInfo.pCode = Spirv.GetData();
		if (vkCreateShaderModule(Vk.Device, &ModuleInfo, nullptr, &R.Module) != VK_SUCCESS)
		{
			OutError = TEXT("vkCreateShaderModule failed");
			return false;
		}
		VkComputePipelineCreateInfo PipelineInfo{};
		PipelineInfo.sType = VK_STRUCTURE_TYPE_COMPUTE_PIPELINE_CREATE_INFO;
		PipelineInfo.stage.sType = VK_STRUCTURE_TYPE_PIPELINE_SHADER_STAGE_CREATE_INFO;
		PipelineInfo.stage.stage = VK_SHADER_STAGE_COMPUTE_BIT;
		PipelineInfo.stage.module = R.Module;
		PipelineInfo.stage.pName = "main";
		PipelineInfo.layout = R.PipelineLayout;
		if (vkCreateComputePipelines(Vk.Device, VK_NULL_HANDLE, 1, &PipelineInfo, nullptr, &R.Pipeline) != VK_SUCCESS)
		{
			OutError = TEXT("vkCreateComputePipelines failed");
			return false;
		}

		VkDescriptorPoolSize PoolSizes[3] = {
			{ VK_DESCRIPTOR_TYPE_STORAGE_BUFFER, 2 },
			{ VK_DESCRIPTOR_TYPE_SAMPLED_IMAGE, (uint32)TextureParameters.Num() + 1 },
			{ VK_DESCRIPTOR_TYPE_SAMPLER, (uint32)TextureParameters.Num() + 1 },
		};
		VkDescriptorPoolCreateInfo PoolInfo{};
		PoolInfo.sType = VK_STRUCTURE_TYPE_DESCRIPTOR_POOL_CREATE_INFO;
		PoolInfo.maxSets = 1;
		PoolInfo.poolSizeCount = 3;
		PoolInfo.pPoolSizes = PoolSizes;
		vkCreateDescriptorPool(Vk.Device, &PoolInfo, nullptr, &R.DescriptorPool);
		VkDescriptorSetAllocateInfo SetInfo{};
		SetInfo.sType = VK_STRUCTURE_TYPE_DESCRIPTOR_SET_ALLOCATE_INFO;
		SetInfo.descriptorPool = R.DescriptorPool;
		SetInfo.descriptorSetCount = 1;
		SetInfo.pSetLayouts = &R.SetLayout;
		VkDescriptorSet Set;
		if (vkAllocateDescriptorSets(Vk.Device, &SetInfo, &Set) != VK_SUCCESS)
		{
			OutError = TEXT("vkAllocateDescriptorSets failed");
			return false;
		}

		VkDescriptorBufferInfo BufferInfos[2] = {
			{ InputBuffer, 0, VK_WHOLE_SIZE },
			{ OutputBuffer, 0, VK_WHOLE_SIZE },
		};
		std::vector<VkDescriptorImageInfo> ImageInfos(TextureParameters.Num() * 2);
		std::vector<VkWriteDescriptorSet> Writes;
		for (uint32 Binding = 0; Binding < (uint32)Bindings.size(); ++Binding)
		{
			VkWriteDescriptorSet Write{};
			Write.sType = VK_STRUCTURE_TYPE_WRITE_DESCRIPTOR_SET;
			Write.dstSet = Set;
			Write.dstBinding = Binding;
			Write.descriptorCount = 1;
			Write.descriptorType = Bindings[Binding].descriptorType;
			if (Binding < 2)
			{
				Write.pBufferInfo = &BufferInfos[Binding];
			}
			else
			{
				const uint32 Texture = (Binding - 2) / 2;
				VkDescriptorImageInfo& Image = ImageInfos[Binding - 2];
				if (Binding % 2 == 0)
				{
					Image.imageView = Views[Texture];
					Image.imageLayout = VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL;
				}
				else
				{
					Image.sampler = Samplers[Texture];
				}
				Write.pImageInfo = &Image;
			}
			Writes.push_back(Write);
		}
		vkUpdateDescriptorSets(Vk.Device, (uint32)Writes.size(), Writes.data(), 0, nullptr);

		if (!R.BeginCommands())
		{
			OutError = TEXT("cannot record commands");
			return false;
		}
		vkCmdBindPipeline(R.Commands, VK_PIPELINE_BIND_POINT_COMPUTE, R.Pipeline);
		vkCmdBindDescriptorSets(R.Commands, VK_PIPELINE_BIND_POINT_COMPUTE, R.PipelineLayout, 0, 1, &Set, 0, nullptr);
		vkCmdDispatch(R.Commands, (uint32)Cases.Num(), 1, 1);
		VkMemoryBarrier Barrier{};
		Barrier.sType = VK_STRUCTURE_TYPE_MEMORY_BARRIER;
		Barrier.srcAccessMask = VK_ACCESS_SHADER_WRITE_BIT;
		Barrier.dstAccessMask = VK_ACCESS_HOST_READ_BIT;
		vkCmdPipelineBarrier(R.Commands, VK_PIPELINE_STAGE_COMPUTE_SHADER_BIT, VK_PIPELINE_STAGE_HOST_BIT, 0, 1, &Barrier, 0, nullptr, 0, nullptr);
		if (!R.SubmitAndWait())
		{
			OutError = TEXT("the dispatch did not finish");
			return false;
		}

		const float* Outputs = static_cast<const float*>(OutputMapped);
		for (int32 CaseIndex = 0; CaseIndex < Cases.Num(); ++CaseIndex)
		{
			OutResults.Add(FVector4f(Outputs[CaseIndex * 4 + 0], Outputs[CaseIndex * 4 + 1], Outputs[CaseIndex * 4 + 2], Outputs[CaseIndex * 4 + 3]));
		}
		return true;
	}
}
