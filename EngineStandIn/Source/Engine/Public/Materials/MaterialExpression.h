// The base of every node of a material graph.
#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "MaterialExpressionIO.h"
#include "MaterialExpression.generated.h"

class FMaterialCompiler;
class UEdGraphNode;
struct FPropertyChangedEvent;

UCLASS(abstract, hidecategories = Object)
class ENGINE_API UMaterialExpression : public UObject
{
	GENERATED_BODY()

public:
	UMaterialExpression(const FObjectInitializer& ObjectInitializer);

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

#if WITH_EDITOR
	/** Emits the expression's code; returns the code index of the output, or INDEX_NONE on an error. */
	virtual int32 Compile(FMaterialCompiler* Compiler, int32 OutputIndex);

	/** The lines of the node's title. */
	virtual void GetCaption(TArray<FString>& OutCaptions) const;

	virtual TArrayView<FExpressionInput*> GetInputsView();
	virtual FExpressionInput* GetInput(int32 InputIndex);
	virtual FName GetInputName(int32 InputIndex) const;
	virtual uint32 GetInputType(int32 InputIndex);
	virtual uint32 GetOutputType(int32 OutputIndex);

	virtual void PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent) override;
#endif
};
