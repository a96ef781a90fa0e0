#include "Styling/SlateStyle.h"
#include "Styling/SlateStyleRegistry.h"
#include "Styling/CoreStyle.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateTypes.h"
#include "Styling/SegmentedControlStyle.h"
#include "Styling/StyleColors.h"
#include "Styling/ToolBarStyle.h"
#include "Styling/SlateStyleMacros.h"
#include "Textures/SlateIcon.h"
#include "Rendering/SlateRenderer.h"
#include "Application/SlateApplicationBase.h"
#include "Misc/Paths.h"

DEFINE_LOG_CATEGORY_STATIC(LogSlateStyle, Log, All);

namespace
{
	FSlateBrush* MakeMissingBrush()
	{
		return new FSlateImageBrush(FPaths::EngineContentDir() / TEXT("Slate/Checkerboard.png"), FVector2f(16.f, 16.f), FLinearColor::White, ESlateBrushTileType::Both);
	}

	FSlateBrush* CloneBrush(const FSlateBrush* Brush)
	{
		return new FSlateBrush(*Brush);
	}
}

FSlateStyleSet::FSlateStyleSet(const FName& InStyleSetName)
	: StyleSetName(InStyleSetName)
	, DefaultBrush(MakeMissingBrush())
{
}

FSlateStyleSet::~FSlateStyleSet()
{
	DeleteBrushes();
}

FSlateStyleSet::FSlateStyleSet(const FSlateStyleSet& Other)
	: DefaultBrush(nullptr)
{
	CopyFrom(Other);
}

FSlateStyleSet& FSlateStyleSet::operator=(const FSlateStyleSet& Other)
{
	if (this != &Other)
	{
		DeleteBrushes();
		CopyFrom(Other);
	}
	return *this;
}

void FSlateStyleSet::CopyFrom(const FSlateStyleSet& Other)
{
	StyleSetName = Other.StyleSetName;
	ContentRootDir = Other.ContentRootDir;
	CoreContentRootDir = Other.CoreContentRootDir;
	WidgetStyleValues = Other.WidgetStyleValues;
	FloatValues = Other.FloatValues;
	Vector2DValues = Other.Vector2DValues;
	ColorValues = Other.ColorValues;
	SlateColorValues = Other.SlateColorValues;
	MarginValues = Other.MarginValues;
	FontInfoResources = Other.FontInfoResources;
	BrushResources.Empty();
	for (const auto& Pair : Other.BrushResources)
	{
		BrushResources.Add(Pair.Key, CloneBrush(Pair.Value));
	}
	DefaultBrush = Other.DefaultBrush ? CloneBrush(Other.DefaultBrush) : MakeMissingBrush();
	MissingResources.Empty();
}

void FSlateStyleSet::DeleteBrushes()
{
	for (auto& Pair : BrushResources)
	{
		delete Pair.Value;
	}
	BrushResources.Empty();
	delete DefaultBrush;
	DefaultBrush = nullptr;
}

const FName& FSlateStyleSet::GetStyleSetName() const
{
	return StyleSetName;
}

void FSlateStyleSet::GetResources(TArray<const FSlateBrush*>& OutResources) const
{
	for (const auto& Pair : BrushResources)
	{
		OutResources.Add(Pair.Value);
	}
	for (const auto& Pair : WidgetStyleValues)
	{
		Pair.Value->GetResources(OutResources);
	}
}

TSet<FName> FSlateStyleSet::GetStyleKeys() const
{
	TSet<FName> Keys;
	for (const auto& Pair : WidgetStyleValues)
	{
		Keys.Add(Pair.Key);
	}
	for (const auto& Pair : FloatValues)
	{
		Keys.Add(Pair.Key);
	}
	for (const auto& Pair : Vector2DValues)
	{
		Keys.Add(Pair.Key);
	}
	for (const auto& Pair : ColorValues)
	{
		Keys.Add(Pair.Key);
	}
	for (const auto& Pair : SlateColorValues)
	{
		Keys.Add(Pair.Key);
	}
	for (const auto& Pair : MarginValues)
	{
		Keys.Add(Pair.Key);
	}
	for (const auto& Pair : BrushResources)
	{
		Keys.Add(Pair.Key);
	}
	for (const auto& Pair : FontInfoResources)
	{
		Keys.Add(Pair.Key);
	}
	return Keys;
}

void FSlateStyleSet::SetContentRoot(const FString& InContentRootDir)
{
	ContentRootDir = InContentRootDir;
}

void FSlateStyleSet::SetCoreContentRoot(const FString& InCoreContentRootDir)
{
	CoreContentRootDir = InCoreContentRootDir;
}

// Every form joins the path below its root; the character and extension variants only forward.
FString FSlateStyleSet::RootToContentDir(const FString& RelativePath, const TCHAR* Extension)
{
	return (ContentRootDir / RelativePath) + Extension;
}

FString FSlateStyleSet::RootToContentDir(const ANSICHAR* RelativePath, const TCHAR* Extension)
{
	return RootToContentDir(FString(RelativePath), Extension);
}

FString FSlateStyleSet::RootToContentDir(const WIDECHAR* RelativePath, const TCHAR* Extension)
{
	return RootToContentDir(FString(RelativePath), Extension);
}

FString FSlateStyleSet::RootToContentDir(const ANSICHAR* RelativePath)
{
	return RootToContentDir(FString(RelativePath), TEXT(""));
}

FString FSlateStyleSet::RootToContentDir(const WIDECHAR* RelativePath)
{
	return RootToContentDir(FString(RelativePath), TEXT(""));
}

FString FSlateStyleSet::RootToContentDir(const FString& RelativePath)
{
	return RootToContentDir(RelativePath, TEXT(""));
}

FString FSlateStyleSet::RootToCoreContentDir(const FString& RelativePath, const TCHAR* Extension)
{
	return (CoreContentRootDir / RelativePath) + Extension;
}

FString FSlateStyleSet::RootToCoreContentDir(const ANSICHAR* RelativePath, const TCHAR* Extension)
{
	return RootToCoreContentDir(FString(RelativePath), Extension);
}

FString FSlateStyleSet::RootToCoreContentDir(const WIDECHAR* RelativePath, const TCHAR* Extension)
{
	return RootToCoreContentDir(FString(RelativePath), Extension);
}

FString FSlateStyleSet::RootToCoreContentDir(const ANSICHAR* RelativePath)
{
	return RootToCoreContentDir(FString(RelativePath), TEXT(""));
}

FString FSlateStyleSet::RootToCoreContentDir(const WIDECHAR* RelativePath)
{
	return RootToCoreContentDir(FString(RelativePath), TEXT(""));
}

FString FSlateStyleSet::RootToCoreContentDir(const FString& RelativePath)
{
	return RootToCoreContentDir(RelativePath, TEXT(""));
}

void FSlateStyleSet::Set(FName PropertyName, FSlateBrush* InBrush)
{
	if (FSlateBrush** Existing = BrushResources.Find(PropertyName))
	{
		if (*Existing != InBrush)
		{
			delete *Existing;
		}
		*Existing = InBrush;
		return;
	}
	BrushResources.Add(PropertyName, InBrush);
}

float FSlateStyleSet::GetFloat(const FName PropertyName, const ANSICHAR* Specifier, float DefaultValue, const ISlateStyle* RequestingStyle) const
{
	const float* Result = FloatValues.Find(Join(PropertyName, Specifier));
	if (Result == nullptr)
	{
		LogMissingResource(EStyleMessageSeverity::Warning, FText::FromString(FString::Printf(TEXT("Unable to find float property '%s' in style."), *Join(PropertyName, Specifier).ToString())), PropertyName);
		return DefaultValue;
	}
	return *Result;
}

FVector2D FSlateStyleSet::GetVector(const FName PropertyName, const ANSICHAR* Specifier, FVector2D DefaultValue, const ISlateStyle* RequestingStyle) const
{
	const FVector2D* Result = Vector2DValues.Find(Join(PropertyName, Specifier));
	if (Result == nullptr)
	{
		LogMissingResource(EStyleMessageSeverity::Warning, FText::FromString(FString::Printf(TEXT("Unable to find Vector2D property '%s' in style."), *Join(PropertyName, Specifier).ToString())), PropertyName);
		return DefaultValue;
	}
	return *Result;
}

const FLinearColor& FSlateStyleSet::GetColor(const FName PropertyName, const ANSICHAR* Specifier, const FLinearColor& DefaultValue, const ISlateStyle* RequestingStyle) const
{
	const FName StyleName = Join(PropertyName, Specifier);
	if (const FLinearColor* Result = ColorValues.Find(StyleName))
	{
		return *Result;
	}
	LogMissingResource(EStyleMessageSeverity::Warning, FText::FromString(FString::Printf(TEXT("Unable to find Color property '%s' in style."), *StyleName.ToString())), StyleName);
	return DefaultValue;
}

const FSlateColor FSlateStyleSet::GetSlateColor(const FName PropertyName, const ANSICHAR* Specifier, const FSlateColor& DefaultValue, const ISlateStyle* RequestingStyle) const
{
	const FName StyleName = Join(PropertyName, Specifier);
	if (const FSlateColor* Result = SlateColorValues.Find(StyleName))
	{
		return *Result;
	}
	if (const FLinearColor* Result = ColorValues.Find(StyleName))
	{
		return FSlateColor(*Result);
	}
	LogMissingResource(EStyleMessageSeverity::Warning, FText::FromString(FString::Printf(TEXT("Unable to find SlateColor property '%s' in style."), *StyleName.ToString())), StyleName);
	return DefaultValue;
}

const FMargin& FSlateStyleSet::GetMargin(const FName PropertyName, const ANSICHAR* Specifier, const FMargin& DefaultValue, const ISlateStyle* RequestingStyle) const
{
	const FName StyleName = Join(PropertyName, Specifier);
	if (const FMargin* Result = MarginValues.Find(StyleName))
	{
		return *Result;
	}
	LogMissingResource(EStyleMessageSeverity::Warning, FText::FromString(FString::Printf(TEXT("Unable to find Margin property '%s' in style."), *StyleName.ToString())), StyleName);
	return DefaultValue;
}

const FSlateBrush* FSlateStyleSet::GetBrush(const FName PropertyName, const ANSICHAR* Specifier, const ISlateStyle* RequestingStyle) const
{
	const FName StyleName = Join(PropertyName, Specifier);
	if (FSlateBrush* const* Result = BrushResources.Find(StyleName))
	{
		return *Result;
	}
	LogMissingResource(EStyleMessageSeverity::Warning, FText::FromString(FString::Printf(TEXT("Unable to find Brush '%s'."), *StyleName.ToString())), StyleName);
	return GetDefaultBrush();
}

const FSlateBrush* FSlateStyleSet::GetOptionalBrush(const FName PropertyName, const ANSICHAR* Specifier, const FSlateBrush* const InDefaultBrush) const
{
	if (FSlateBrush* const* Result = BrushResources.Find(Join(PropertyName, Specifier)))
	{
		return *Result;
	}
	return InDefaultBrush;
}

const FSlateBrush* FSlateStyleSet::GetDefaultBrush() const
{
	return DefaultBrush;
}

FSlateFontInfo FSlateStyleSet::GetFontStyle(const FName PropertyName, const ANSICHAR* Specifier) const
{
	const FName StyleName = Join(PropertyName, Specifier);
	if (const FSlateFontInfo* Result = FontInfoResources.Find(StyleName))
	{
		return *Result;
	}
	LogMissingResource(EStyleMessageSeverity::Warning, FText::FromString(FString::Printf(TEXT("Unable to find font property '%s' in style."), *StyleName.ToString())), StyleName);
	return FStyleDefaults::GetFontInfo();
}

const FSlateWidgetStyle* FSlateStyleSet::GetWidgetStyleInternal(const FName DesiredTypeName, const FName StyleName, const FSlateWidgetStyle* DefaultStyle, bool bWarnIfNotFound) const
{
	const TSharedRef<FSlateWidgetStyle>* StylePtr = WidgetStyleValues.Find(StyleName);
	if (StylePtr == nullptr)
	{
		if (bWarnIfNotFound)
		{
			LogMissingResource(EStyleMessageSeverity::Warning,
				FText::FromString(FString::Printf(TEXT("Unable to find Slate Widget Style '%s'. Using %s defaults instead."), *StyleName.ToString(), *DesiredTypeName.ToString())),
				StyleName);
		}
		return DefaultStyle;
	}
	const FSlateWidgetStyle& Style = StylePtr->Get();
	if (Style.GetTypeName() != DesiredTypeName)
	{
		LogMissingResource(EStyleMessageSeverity::Error,
			FText::FromString(FString::Printf(TEXT("The Slate Widget Style '%s' is not of the desired type. Desired: '%s', Actual: '%s'"), *StyleName.ToString(),
				*DesiredTypeName.ToString(), *Style.GetTypeName().ToString())),
			StyleName);
		return DefaultStyle;
	}
	return &Style;
}

void FSlateStyleSet::LogMissingResource(EStyleMessageSeverity Severity, const FText& Message, const FName& MissingResource) const
{
	// Each missing key is reported once.
	if (MissingResources.Contains(MissingResource))
	{
		return;
	}
	MissingResources.Add(MissingResource);
	if (Severity == EStyleMessageSeverity::Error || Severity == EStyleMessageSeverity::CriticalError)
	{
		UE_LOG(LogSlateStyle, Error, TEXT("%s"), *Message.ToString());
	}
	else
	{
		UE_LOG(LogSlateStyle, Warning, TEXT("%s"), *Message.ToString());
	}
}

// Registry

namespace
{
	// Never destroyed: style sets that live in function-local statics unregister at exit, possibly after
	// this translation unit's statics are gone.
	TMap<FName, const ISlateStyle*>& GetStyleRepository()
	{
		static TMap<FName, const ISlateStyle*>* Repository = new TMap<FName, const ISlateStyle*>();
		return *Repository;
	}
}

void FSlateStyleRegistry::RegisterSlateStyle(const ISlateStyle& InSlateStyle)
{
	const FName& SlateStyleName = InSlateStyle.GetStyleSetName();
	check(!SlateStyleName.IsNone());
	checkf(!FindSlateStyle(SlateStyleName), TEXT("A style set named '%s' is already registered."), *SlateStyleName.ToString());
	GetStyleRepository().Add(SlateStyleName, &InSlateStyle);
	if (FSlateApplicationBase::IsInitialized() && FSlateApplicationBase::Get().GetRenderer())
	{
		FSlateApplicationBase::Get().GetRenderer()->LoadStyleResources(InSlateStyle);
	}
}

void FSlateStyleRegistry::UnRegisterSlateStyle(const ISlateStyle& InSlateStyle)
{
	const FName& SlateStyleName = InSlateStyle.GetStyleSetName();
	const ISlateStyle* const* Registered = GetStyleRepository().Find(SlateStyleName);
	if (Registered != nullptr && *Registered == &InSlateStyle)
	{
		GetStyleRepository().Remove(SlateStyleName);
	}
}

void FSlateStyleRegistry::UnRegisterSlateStyle(const FName StyleSetName)
{
	GetStyleRepository().Remove(StyleSetName);
}

const ISlateStyle* FSlateStyleRegistry::FindSlateStyle(const FName& InSlateStyleName)
{
	const ISlateStyle* const* Found = GetStyleRepository().Find(InSlateStyleName);
	return Found ? *Found : nullptr;
}

bool FSlateStyleRegistry::IterateAllStyles(TFunctionRef<bool(const ISlateStyle&)> Iter)
{
	TArray<const ISlateStyle*> Styles;
	for (const auto& Pair : GetStyleRepository())
	{
		Styles.Add(Pair.Value);
	}
	for (const ISlateStyle* Style : Styles)
	{
		if (!Iter(*Style))
		{
			return false;
		}
	}
	return true;
}

void FSlateStyleRegistry::GetAllResources(TArray<const FSlateBrush*>& OutResources)
{
	for (const auto& Pair : GetStyleRepository())
	{
		Pair.Value->GetResources(OutResources);
	}
}

// Core and application styles

namespace
{
	class FStandInCoreStyle : public FSlateStyleSet
	{
	public:
		FStandInCoreStyle()
			: FSlateStyleSet(TEXT("CoreStyle"))
		{
			SetContentRoot(FPaths::EngineContentDir() / TEXT("Slate"));
			SetCoreContentRoot(FPaths::EngineContentDir() / TEXT("Slate"));
			Set(TEXT("NormalFont"), FCoreStyle::GetDefaultFontStyle(TEXT("Regular"), 9.f));
			Set(TEXT("NormalText"), FTextBlockStyle::GetDefault());
			Set(TEXT("Button"), FButtonStyle::GetDefault());
			Set(TEXT("Checkbox"), FCheckBoxStyle::GetDefault());
			Set(TEXT("SpinBox"), FSpinBoxStyle::GetDefault());
			Set(TEXT("NormalEditableTextBox"), FEditableTextBoxStyle::GetDefault());
			Set(TEXT("NormalEditableText"), FEditableTextStyle::GetDefault());
			Set(TEXT("ComboBox"), FComboBoxStyle::GetDefault());
			Set(TEXT("ComboButton"), FComboButtonStyle::GetDefault());
			Set(TEXT("TableView.Row"), FTableRowStyle::GetDefault());
			Set(TEXT("ListView"), FTableViewStyle::GetDefault());
			Set(TEXT("TableView.Header"), FHeaderRowStyle::GetDefault());
			Set(TEXT("TableView.Header.Column"), FTableColumnHeaderStyle::GetDefault());
			Set(TEXT("Splitter"), FSplitterStyle::GetDefault());
			Set(TEXT("ScrollBox"), FScrollBoxStyle::GetDefault());
			Set(TEXT("Window"), FWindowStyle::GetDefault());
			Set(TEXT("SegmentedControl"), FSegmentedControlStyle::GetDefault());
			Set(TEXT("WhiteBrush"), new FSlateColorBrush(FLinearColor::White));
			Set(TEXT("NoBrush"), new FSlateNoResource());
			Set(TEXT("Border"), new FSlateBoxBrush(RootToContentDir(TEXT("Common/Border"), TEXT(".png")), FMargin(4.f / 16.f)));
			Set(TEXT("ToolPanel.GroupBorder"), new FSlateBoxBrush(RootToContentDir(TEXT("Common/GroupBorder"), TEXT(".png")), FMargin(4.f / 16.f)));
			Set(TEXT("Checker"), new FSlateImageBrush(RootToContentDir(TEXT("Checkerboard"), TEXT(".png")), FVector2f(16.f, 16.f), FLinearColor::White, ESlateBrushTileType::Both));
		}
	};

	/** The editor's application style: the keys the plug-in's user interface asks for. */
	class FStandInEditorStyle : public FSlateStyleSet
	{
	public:
		FStandInEditorStyle()
			: FSlateStyleSet(TEXT("EditorStyle"))
		{
			const FString EditorSlate = FPaths::EngineContentDir() / TEXT("Editor/Slate");
			SetContentRoot(EditorSlate);
			SetCoreContentRoot(FPaths::EngineContentDir() / TEXT("Slate"));

			auto Icon = [this](const TCHAR* Key, const TCHAR* Path, float Size)
			{
				Set(Key, new FSlateVectorImageBrush(RootToCoreContentDir(Path, TEXT(".svg")), FVector2f(Size, Size)));
			};
			Icon(TEXT("Icons.Warning"), TEXT("Starship/Common/alert-triangle"), 16.f);
			Icon(TEXT("Icons.WarningWithColor"), TEXT("Starship/Common/alert-triangle"), 16.f);
			Icon(TEXT("Icons.Error"), TEXT("Starship/Common/alert-circle"), 16.f);
			Icon(TEXT("Icons.ErrorWithColor"), TEXT("Starship/Common/alert-circle"), 16.f);
			Icon(TEXT("Icons.Success"), TEXT("Starship/Common/check-circle"), 16.f);
			Icon(TEXT("Icons.SuccessWithColor"), TEXT("Starship/Common/check-circle"), 16.f);
			Icon(TEXT("Icons.Info"), TEXT("Starship/Common/info"), 16.f);
			Icon(TEXT("Icons.Help"), TEXT("Starship/Common/help"), 16.f);
			Icon(TEXT("Icons.Refresh"), TEXT("Starship/Common/Update"), 16.f);
			Icon(TEXT("Icons.Save"), TEXT("Starship/Common/SaveCurrent"), 16.f);
			Icon(TEXT("Icons.Delete"), TEXT("Starship/Common/Delete"), 16.f);
			Icon(TEXT("Icons.Plus"), TEXT("Starship/Common/plus"), 16.f);
			Icon(TEXT("Plus"), TEXT("Starship/Common/plus"), 16.f);
			Icon(TEXT("Icons.Minus"), TEXT("Starship/Common/minus"), 16.f);
			Icon(TEXT("Icons.Edit"), TEXT("Starship/Common/edit"), 16.f);
			Icon(TEXT("Icons.Search"), TEXT("Starship/Common/search"), 16.f);
			Icon(TEXT("Icons.Settings"), TEXT("Starship/Common/settings"), 16.f);
			Icon(TEXT("Icons.FolderOpen"), TEXT("Starship/Common/folder-open"), 16.f);
			Icon(TEXT("Icons.FolderClosed"), TEXT("Starship/Common/folder-closed"), 16.f);
			Icon(TEXT("Icons.Export"), TEXT("Starship/Common/Export"), 16.f);
			Icon(TEXT("Icons.Import"), TEXT("Starship/Common/Import"), 16.f);
			Icon(TEXT("Icons.Check"), TEXT("Starship/Common/check"), 16.f);
			Icon(TEXT("Icons.X"), TEXT("Starship/Common/close"), 16.f);
			Icon(TEXT("Icons.ChevronDown"), TEXT("Starship/Common/chevron-down"), 16.f);
			Icon(TEXT("Icons.ChevronRight"), TEXT("Starship/Common/chevron-right"), 16.f);
			Icon(TEXT("Icons.Filter"), TEXT("Starship/Common/filter"), 16.f);
			Icon(TEXT("Icons.Visible"), TEXT("Starship/Common/visible"), 16.f);
			Icon(TEXT("Icons.Hidden"), TEXT("Starship/Common/hidden"), 16.f);
			Icon(TEXT("Icons.Lock"), TEXT("Starship/Common/lock"), 16.f);
			Icon(TEXT("Icons.Unlock"), TEXT("Starship/Common/lock-unlocked"), 16.f);
			Icon(TEXT("Icons.Toolbar.Settings"), TEXT("Starship/Common/settings"), 20.f);
			Icon(TEXT("Icons.Toolbar.Play"), TEXT("Starship/MainToolbar/simulate"), 20.f);

			Set(TEXT("WhiteBrush"), new FSlateColorBrush(FLinearColor::White));
			Set(TEXT("NoBorder"), new FSlateNoResource());
			Set(TEXT("NoBrush"), new FSlateNoResource());
			Set(TEXT("Brushes.Panel"), new FSlateColorBrush(FStyleColors::Panel));
			Set(TEXT("Brushes.Recessed"), new FSlateColorBrush(FStyleColors::Recessed));
			Set(TEXT("Brushes.Header"), new FSlateColorBrush(FStyleColors::Header));
			Set(TEXT("Brushes.Background"), new FSlateColorBrush(FStyleColors::Background));
			Set(TEXT("ToolPanel.GroupBorder"), new FSlateColorBrush(FStyleColors::Panel));
			Set(TEXT("ToolPanel.DarkGroupBorder"), new FSlateColorBrush(FStyleColors::Recessed));
			Set(TEXT("DetailsView.CategoryTop"), new FSlateColorBrush(FStyleColors::Header));
			Set(TEXT("Menu.Background"), new FSlateColorBrush(FStyleColors::Dropdown));

			Set(TEXT("NormalText"), FTextBlockStyle::GetDefault());
			Set(TEXT("Menu.Heading"), FTextBlockStyle::GetDefault());
			Set(TEXT("Menu.Label"), FTextBlockStyle::GetDefault());
			Set(TEXT("Button"), FButtonStyle::GetDefault());
			Set(TEXT("PrimaryButton"), FButtonStyle::GetDefault());
			Set(TEXT("SimpleButton"), FButtonStyle::GetDefault());
			Set(TEXT("FlatButton"), FButtonStyle::GetDefault());
			// The coloured flat buttons differ from the plain one only in their fill.
			Set(TEXT("FlatButton.Danger"), FButtonStyle(FButtonStyle::GetDefault()).SetNormal(FSlateColorBrush(FStyleColors::Error.GetSpecifiedColor())));
			Set(TEXT("FlatButton.Success"), FButtonStyle(FButtonStyle::GetDefault()).SetNormal(FSlateColorBrush(FStyleColors::Success.GetSpecifiedColor())));
			Set(TEXT("Menu.Button"), FButtonStyle::GetDefault());
			Set(TEXT("Checkbox"), FCheckBoxStyle::GetDefault());
			Set(TEXT("Menu.CheckBox"), FCheckBoxStyle::GetDefault());
			Set(TEXT("Menu.Check"), FCheckBoxStyle::GetDefault());
			Set(TEXT("ToggleButtonCheckbox"), FCheckBoxStyle::GetDefault());
			Set(TEXT("SpinBox"), FSpinBoxStyle::GetDefault());
			Set(TEXT("NormalEditableTextBox"), FEditableTextBoxStyle::GetDefault());
			Set(TEXT("NormalEditableText"), FEditableTextStyle::GetDefault());
			Set(TEXT("ComboBox"), FComboBoxStyle::GetDefault());
			Set(TEXT("ComboButton"), FComboButtonStyle::GetDefault());
			Set(TEXT("TableView.Row"), FTableRowStyle::GetDefault());
			Set(TEXT("SceneOutliner.TableViewRow"), FTableRowStyle::GetDefault());
			Set(TEXT("PropertyTable.TableRow"), FTableRowStyle::GetDefault());
			Set(TEXT("ListView"), FTableViewStyle::GetDefault());
			Set(TEXT("TreeView"), FTableViewStyle::GetDefault());
			Set(TEXT("HoverHintOnly"), FButtonStyle::GetDefault());
			Set(TEXT("AssetEditorToolbar"), FToolBarStyle::GetDefault());
			Set(TEXT("DetailsView.CategoryTextStyle"), FTextBlockStyle::GetDefault());
			Set(TEXT("TableView.Header"), FHeaderRowStyle::GetDefault());
			Set(TEXT("TableView.Header.Column"), FTableColumnHeaderStyle::GetDefault());
			Set(TEXT("Splitter"), FSplitterStyle::GetDefault());
			Set(TEXT("ScrollBox"), FScrollBoxStyle::GetDefault());
			Set(TEXT("SegmentedControl"), FSegmentedControlStyle::GetDefault());
			Set(TEXT("NormalFont"), FCoreStyle::GetDefaultFontStyle(TEXT("Regular"), 9.f));
			Set(TEXT("PropertyWindow.NormalFont"), FCoreStyle::GetDefaultFontStyle(TEXT("Regular"), 8.f));
			Set(TEXT("PropertyWindow.BoldFont"), FCoreStyle::GetDefaultFontStyle(TEXT("Bold"), 8.f));
			Set(TEXT("SelectionColor"), FLinearColor(0.f, 0.4f, 1.f, 1.f));
			Set(TEXT("DefaultForeground"), FLinearColor(0.75f, 0.75f, 0.75f, 1.f));
		}
	};

	FName& AppStyleName()
	{
		static FName Name(TEXT("EditorStyle"));
		return Name;
	}

	const ISlateStyle& GetBuiltInStyle(FName Name)
	{
		// Never destroyed, and registered for the whole process, as the editor's own styles are.
		if (Name == FName(TEXT("CoreStyle")))
		{
			static FSlateStyleSet* Core = nullptr;
			if (Core == nullptr)
			{
				Core = new FStandInCoreStyle();
				if (!FSlateStyleRegistry::FindSlateStyle(Core->GetStyleSetName()))
				{
					FSlateStyleRegistry::RegisterSlateStyle(*Core);
				}
			}
			return *Core;
		}
		static FSlateStyleSet* Editor = nullptr;
		if (Editor == nullptr)
		{
			Editor = new FStandInEditorStyle();
			if (!FSlateStyleRegistry::FindSlateStyle(Editor->GetStyleSetName()))
			{
				FSlateStyleRegistry::RegisterSlateStyle(*Editor);
			}
		}
		return *Editor;
	}
}

const ISlateStyle& FCoreStyle::Get()
{
	if (const ISlateStyle* Found = FSlateStyleRegistry::FindSlateStyle(TEXT("CoreStyle")))
	{
		return *Found;
	}
	return GetBuiltInStyle(TEXT("CoreStyle"));
}

bool FCoreStyle::IsInitialized()
{
	return true;
}

FSlateFontInfo FCoreStyle::GetDefaultFontStyle(const FName TypefaceFontName, const float Size, const FFontOutlineSettings& OutlineSettings)
{
	FSlateFontInfo Font(FName(TEXT("Roboto")), Size);
	Font.TypefaceFontName = TypefaceFontName;
	Font.OutlineSettings = OutlineSettings;
	return Font;
}

const ISlateStyle& FAppStyle::Get()
{
	if (const ISlateStyle* Found = FSlateStyleRegistry::FindSlateStyle(AppStyleName()))
	{
		return *Found;
	}
	if (AppStyleName() == FName(TEXT("EditorStyle")))
	{
		return GetBuiltInStyle(TEXT("EditorStyle"));
	}
	return FCoreStyle::Get();
}

const FName FAppStyle::GetAppStyleSetName()
{
	return AppStyleName();
}

void FAppStyle::SetAppStyleSetName(const FName& InName)
{
	AppStyleName() = InName;
}

void FAppStyle::SetAppStyleSet(const ISlateStyle& InStyle)
{
	AppStyleName() = InStyle.GetStyleSetName();
}

// Icons

FSlateIcon::FSlateIcon()
	: bIsSet(false)
{
}

FSlateIcon::FSlateIcon(const FName InStyleSetName, const FName InStyleName, const FName InSmallStyleName, const FName InStatusOverlayStyleName)
	: StyleSetName(InStyleSetName)
	, StyleName(InStyleName)
	, SmallStyleName(InSmallStyleName.IsNone() ? ISlateStyle::Join(InStyleName, ".Small") : InSmallStyleName)
	, StatusOverlayStyleName(InStatusOverlayStyleName)
	, bIsSet(true)
{
}

const ISlateStyle* FSlateIcon::GetStyleSet() const
{
	return FSlateStyleRegistry::FindSlateStyle(StyleSetName);
}

const FSlateBrush* FSlateIcon::GetIcon() const
{
	const ISlateStyle* StyleSet = GetStyleSet();
	return StyleSet ? StyleSet->GetBrush(StyleName) : FStyleDefaults::GetNoBrush();
}

const FSlateBrush* FSlateIcon::GetOptionalIcon() const
{
	const ISlateStyle* StyleSet = GetStyleSet();
	return StyleSet ? StyleSet->GetOptionalBrush(StyleName) : FStyleDefaults::GetNoBrush();
}

const FSlateBrush* FSlateIcon::GetSmallIcon() const
{
	const ISlateStyle* StyleSet = GetStyleSet();
	if (StyleSet == nullptr)
	{
		return FStyleDefaults::GetNoBrush();
	}
	// The small variant falls back to the regular icon, as the engine's does.
	const FSlateBrush* Small = StyleSet->GetOptionalBrush(SmallStyleName, nullptr, nullptr);
	return Small ? Small : StyleSet->GetBrush(StyleName);
}

const FSlateBrush* FSlateIcon::GetOverlayIcon() const
{
	const ISlateStyle* StyleSet = GetStyleSet();
	return StyleSet && !StatusOverlayStyleName.IsNone() ? StyleSet->GetOptionalBrush(StatusOverlayStyleName) : nullptr;
}

// Renderer and application

void FSlateRenderer::ReloadTextureResources()
{
	++NumReloadTextureResources;
}

void FSlateRenderer::LoadStyleResources(const ISlateStyle& Style)
{
	++NumLoadStyleResources;
}

TSharedPtr<FSlateApplicationBase> FSlateApplicationBase::CurrentBaseApplication;

FSlateApplicationBase::FSlateApplicationBase()
	: Renderer(MakeShared<FSlateRenderer>())
{
}

FSlateApplicationBase::~FSlateApplicationBase()
{
}
