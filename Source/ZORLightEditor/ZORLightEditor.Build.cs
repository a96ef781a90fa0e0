using UnrealBuildTool;

public class ZORLightEditor : ModuleRules
{
	public ZORLightEditor(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine", "ZORLight" });

		PrivateDependencyModuleNames.AddRange(new string[]
		{
			"DMXRuntime",
			"InputCore",
			"Slate",
			"SlateCore",
			"ToolMenus",
			"LevelEditor",
			"Projects",
			"DesktopPlatform",
			"MainFrame"
		});

		// The prism wheel asset type: its public headers derive from editor classes.
		PublicDependencyModuleNames.AddRange(new string[] { "UnrealEd", "AssetDefinition", "EditorFramework" });
		// The prism wheel editor: asset registry notifications and its details tab.
		PrivateDependencyModuleNames.AddRange(new string[] { "AssetRegistry", "PropertyEditor" });
	}
}
