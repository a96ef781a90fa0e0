// Reading and writing the project's settings file behind the editor's back, with the standard
// library, so the tests see exactly the bytes on disk.
#pragma once

#include "CoreMinimal.h"
#include "StandInTesting/EditorSession.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace ZORTests
{
	inline std::filesystem::path ToPath(const FString& Path)
	{
		return std::filesystem::path(std::string(TCHAR_TO_UTF8(*Path)));
	}

	inline std::filesystem::path ConfigDir(const StandIn::FEditorSession& Session)
	{
		return ToPath(Session.GetConfigDir());
	}

	inline std::filesystem::path SettingsPath(const StandIn::FEditorSession& Session)
	{
		return ConfigDir(Session) / "ZORLightSettings.ini";
	}

	inline void WriteSettingsFile(const StandIn::FEditorSession& Session, const std::string& Bytes)
	{
		std::filesystem::create_directories(ConfigDir(Session));
		std::ofstream Out(SettingsPath(Session), std::ios::binary | std::ios::trunc);
		Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
	}

	inline bool SettingsFileExists(const StandIn::FEditorSession& Session)
	{
		return std::filesystem::is_regular_file(SettingsPath(Session));
	}

	/** The file's lines without line terminators; empty when the file is missing. */
	inline std::vector<std::string> ReadSettingsLines(const StandIn::FEditorSession& Session)
	{
		std::vector<std::string> Lines;
		std::ifstream In(SettingsPath(Session), std::ios::binary);
		std::string Line;
		while (std::getline(In, Line))
		{
			if (!Line.empty() && Line.back() == '\r')
			{
				Line.pop_back();
			}
			Lines.push_back(Line);
		}
		return Lines;
	}

	inline bool HasLine(const std::vector<std::string>& Lines, const std::string& Line)
	{
		return std::find(Lines.begin(), Lines.end(), Line) != Lines.end();
	}

	/** How many lines assign Key (any value). */
	inline int CountKey(const std::vector<std::string>& Lines, const std::string& Key)
	{
		return static_cast<int>(std::count_if(Lines.begin(), Lines.end(), [&Key](const std::string& Line)
		{
			return Line.rfind(Key + "=", 0) == 0;
		}));
	}

	/** The fifteen keys with their defaults, in the order the editor writes them to a new file. */
	inline const std::vector<std::string>& DefaultSettingLines()
	{
		static const std::vector<std::string> Lines = {
			"SmokeIntensity=0.75",
			"UseSmoke=True",
			"Scale=2.0",
			"WindDirection=45.0",
			"WindElevation=20.0",
			"WindSpeed=2.5",
			"QualityLevel=64.0",
			"LightIntensityMax=2000.0",
			"LightDistanceMax=1000.0",
			"LightColorTemp=6500.0",
			"SpotlightIntensityScale=1.0",
			"BeamIntensityScale=1.0",
			"LightCastShadow=True",
			"UseDynamicOcclusion=True",
			"DisableLights=False",
		};
		return Lines;
	}

	inline std::string KeyOf(const std::string& Line)
	{
		return Line.substr(0, Line.find('='));
	}
}
