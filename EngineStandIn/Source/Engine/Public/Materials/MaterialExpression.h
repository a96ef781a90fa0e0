// The base of every node of a material graph.
#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "MaterialExpressionIO.h"
#include "MaterialExpression.generated.h"

class FMaterialCompiler;
class UEdGraphNode;
struct FPropertyChangedEvent;

// MinimalAPI: other modules get the class, its constructor and its virtuals; nothing else links.
UCLASS(abstract, hidecategories = Object, MinimalAPI)
class UMaterialExpression : public UObject
{
	GENERATED_BODY()

public:
	ENGINE_API UMaterialExpression(const FObjectInitializer& ObjectInitializer);
	// Out of line, so a subclass in another module never needs the vtable, which stays in this module.
	ENGINE_API virtual ~UMaterialExpression() override;

#if WITH_EDITORONLY_DATA
	UPROPERTY()
	int32 MaterialExpressionEditorX = 0;

	UPROPERTY()
	int32 MaterialExpressionEditorY = 0;

	/** The node that shows this expression in the material editor's graph, if one is open. */
	UPROPERTY(transient)
	TObjectPtr<UEdGraphNode> GraphNode;

	/** The user's comment on the node. */
	UPROPERTY(EditAnywhere, Category = MaterialExpression)
	FString Desc;

	/** Categories of the material editor's node menu that list this expression. */
	UPROPERTY()
	TArray<FText> MenuCategories;
#endif

	ENGINE_API virtual void Serialize(FStructuredArchive::FRecord Record) override;
	using Super::Serialize;

#if WITH_EDITOR
	/** Emits the expression's code; returns the code index of the output, or INDEX_NONE on an error. */
	ENGINE_API virtual int32 Compile(FMaterialCompiler* Compiler, int32 OutputIndex);

	/** The lines of the node's title. */
	ENGINE_API virtual void GetCaption(TArray<FString>& OutCaptions) const;

	ENGINE_API virtual TArrayView<FExpressionInput*> GetInputsView();
	ENGINE_API virtual FExpressionInput* GetInput(int32 InputIndex);
	ENGINE_API virtual FName GetInputName(int32 InputIndex) const;
	ENGINE_API virtual uint32 GetInputType(int32 InputIndex);
	ENGINE_API virtual uint32 GetOutputType(int32 OutputIndex);

	ENGINE_API virtual void PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent) override;
#endif
};
