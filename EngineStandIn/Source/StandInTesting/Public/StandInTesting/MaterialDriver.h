// Building a material for the beam node as a user does in the material editor: input expressions
// of the right kinds connected to the node's named inputs, a graph node, and the material compile.
#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialExpressionCustom.h"

class UMaterial;
class UMaterialExpression;

namespace StandIn
{
	enum class EMaterialInputKind : uint8
	{
		Scalar,
		Vector2,
		Vector3,
		Texture2D,
		VolumeTexture,
	};

	struct FTemplateInput
	{
		FString Name;
		EMaterialInputKind Kind = EMaterialInputKind::Scalar;
	};

	/**
	 * The inputs each beam template reads, as the node's documentation lists them: 0 PrismEditor,
	 * 1 Light, 2 Beam, 3 RT; any other value the Other template's (the constant type 4 included).
	 */
	TArray<FTemplateInput> GetBeamTemplateInputs(int32 PrismType);

	/** "PrismEditor", "Light", "Beam", "RT", "Other" or a byte value; false for anything else. */
	bool ParsePrismType(const FString& Text, uint8& OutValue);

	/** A new material in its own package under /Game. */
	UMaterial* NewMaterial(const FString& Name);

	/**
	 * An expression in Material that gives a value of that kind: a constant with Value in every
	 * component, or a texture object holding a new texture.
	 */
	UMaterialExpression* NewInputExpression(UMaterial* Material, EMaterialInputKind Kind, float Value = 0.5f);

	/** One FCustomInput per template input, each connected to a new input expression unless named in Unconnected. */
	TArray<FCustomInput> MakeConnectedInputs(UMaterial* Material, const TArray<FTemplateInput>& TemplateInputs, const TArray<FString>& Unconnected = TArray<FString>());

	/** Gives the expression a material graph node with its pins, as the open material editor does. */
	void AddGraphNode(UMaterialExpression* Expression);

	/** The names of the graph node's input pins, in order. */
	TArray<FString> GetInputPinNames(UMaterialExpression* Expression);
}
