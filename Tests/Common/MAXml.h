// Test helper: reads grandMA2 MA XML files with libxml2, checks them against our schema of the console's
// format for macro and layer files (Tests/Common/MA-export.xsd) and reads values by XPath.
// Header-only, so every test program that includes it has it without further sources.
#pragma once

#include "CoreMinimal.h"
#include "Containers/StringConv.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlschemas.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace ZorTest
{
	/** The namespace of every element of an MA XML file; XPath expressions here use the prefix "ma" for it. */
	inline constexpr const char* MANamespace = "http://schemas.malighting.de/grandma2/xml/MA";

	/** What libxml2 said about a text. */
	struct FMAXmlCheck
	{
		bool bWellFormed = false;
		/** Well-formed and valid against the console's schema. */
		bool bValid = false;
		/** Parser and validator messages, one per problem: "line N: text". */
		std::vector<std::string> Messages;

		/** All messages on separate lines, for a failing assertion's output. */
		std::string Report() const
		{
			std::string Out;
			for (const std::string& Message : Messages)
			{
				Out += Message;
				Out += '\n';
			}
			return Out.empty() ? std::string("(no messages)") : Out;
		}
	};

	namespace MAXmlPrivate
	{
		inline void CollectError(void* UserData, xmlErrorPtr Error)
		{
			if (!UserData || !Error)
			{
				return;
			}
			std::string Message = Error->message ? Error->message : "unknown error";
			while (!Message.empty() && (Message.back() == '\n' || Message.back() == '\r'))
			{
				Message.pop_back();
			}
			static_cast<std::vector<std::string>*>(UserData)->push_back("line " + std::to_string(Error->line) + ": " + Message);
		}

		/** Routes libxml2's messages into Messages while it lives (one thread, as the tests run). */
		class FErrorScope
		{
		public:
			explicit FErrorScope(std::vector<std::string>& Messages)
			{
				xmlSetStructuredErrorFunc(&Messages, &CollectError);
			}
			~FErrorScope()
			{
				xmlSetStructuredErrorFunc(nullptr, nullptr);
			}
		};

		inline xmlDocPtr Parse(const std::string& Utf8Text, std::vector<std::string>& Messages)
		{
			FErrorScope Scope(Messages);
			return xmlReadMemory(Utf8Text.data(), int(Utf8Text.size()), "export.xml", nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
		}

		struct FSchema
		{
			xmlSchemaPtr Schema = nullptr;
			std::vector<std::string> Messages;
		};

		/** Compiled once per program: compiling the console's schema takes a while. */
		inline FSchema& GetSchema(const std::string& Path)
		{
			static FSchema* Cached = nullptr;
			if (!Cached)
			{
				Cached = new FSchema();
				FErrorScope Scope(Cached->Messages);
				if (xmlSchemaParserCtxtPtr ParserContext = xmlSchemaNewParserCtxt(Path.c_str()))
				{
					Cached->Schema = xmlSchemaParse(ParserContext);
					xmlSchemaFreeParserCtxt(ParserContext);
				}
				if (!Cached->Schema)
				{
					Cached->Messages.push_back("cannot read the schema " + Path);
				}
			}
			return *Cached;
		}

		inline std::string ReadFileBytes(const std::string& Path, bool& bOutFound)
		{
			std::ifstream Stream(Path, std::ios::binary);
			bOutFound = Stream.good();
			std::ostringstream Bytes;
			Bytes << Stream.rdbuf();
			return Bytes.str();
		}
	}

	/** Our schema of the console's macro and layer files, kept with the tests. */
	inline std::string MASchemaPath()
	{
		return std::string(ZOR_PLUGIN_DIR) + "/Tests/Common/MA-export.xsd";
	}

	inline std::string ToUtf8(const FString& Text)
	{
		return std::string(FTCHARToUTF8(*Text).Get());
	}

	/** Parses the UTF-8 text and validates it against the console's schema. */
	inline FMAXmlCheck CheckMAXml(const std::string& Utf8Text)
	{
		FMAXmlCheck Result;
		xmlDocPtr Doc = MAXmlPrivate::Parse(Utf8Text, Result.Messages);
		if (!Doc)
		{
			if (Result.Messages.empty())
			{
				Result.Messages.push_back("not well-formed XML");
			}
			return Result;
		}
		Result.bWellFormed = true;
		MAXmlPrivate::FSchema& Schema = MAXmlPrivate::GetSchema(MASchemaPath());
		if (!Schema.Schema)
		{
			Result.Messages.insert(Result.Messages.end(), Schema.Messages.begin(), Schema.Messages.end());
			xmlFreeDoc(Doc);
			return Result;
		}
		{
			MAXmlPrivate::FErrorScope Scope(Result.Messages);
			xmlSchemaValidCtxtPtr ValidContext = xmlSchemaNewValidCtxt(Schema.Schema);
			xmlSchemaSetValidStructuredErrors(ValidContext, &MAXmlPrivate::CollectError, &Result.Messages);
			Result.bValid = xmlSchemaValidateDoc(ValidContext, Doc) == 0;
			xmlSchemaFreeValidCtxt(ValidContext);
		}
		xmlFreeDoc(Doc);
		return Result;
	}

	inline FMAXmlCheck CheckMAXml(const FString& Text)
	{
		return CheckMAXml(ToUtf8(Text));
	}

	/** Reads the file's bytes as they are on disk (a byte order mark or UTF-16 included) and checks them. */
	inline FMAXmlCheck CheckMAXmlFile(const std::string& Path)
	{
		bool bFound = false;
		const std::string Bytes = MAXmlPrivate::ReadFileBytes(Path, bFound);
		if (!bFound)
		{
			FMAXmlCheck Missing;
			Missing.Messages.push_back("no file " + Path);
			return Missing;
		}
		return CheckMAXml(Bytes);
	}

	inline FMAXmlCheck CheckMAXmlFile(const FString& Path)
	{
		return CheckMAXmlFile(ToUtf8(Path));
	}

	/** A parsed MA XML text for reading values; XPath expressions use the prefix "ma" for the MA namespace. */
	class FMADocument
	{
	public:
		explicit FMADocument(const std::string& Utf8Text)
		{
			std::vector<std::string> Ignored;
			Doc = std::shared_ptr<xmlDoc>(MAXmlPrivate::Parse(Utf8Text, Ignored), FDocDeleter());
		}

		explicit FMADocument(const FString& Text)
			: FMADocument(ToUtf8(Text))
		{
		}

		static FMADocument FromFile(const FString& Path)
		{
			bool bFound = false;
			return FMADocument(MAXmlPrivate::ReadFileBytes(ToUtf8(Path), bFound));
		}

		bool IsParsed() const
		{
			return Doc != nullptr;
		}

		/** The string value of each node the expression selects, in document order (UTF-8). */
		std::vector<std::string> Strings(const std::string& XPath) const
		{
			std::vector<std::string> Values;
			if (!Doc)
			{
				return Values;
			}
			xmlXPathContextPtr Context = xmlXPathNewContext(Doc.get());
			xmlXPathRegisterNs(Context, BAD_CAST "ma", BAD_CAST MANamespace);
			xmlXPathObjectPtr Result = xmlXPathEvalExpression(BAD_CAST XPath.c_str(), Context);
			if (Result && Result->type == XPATH_NODESET && Result->nodesetval)
			{
				for (int Index = 0; Index < Result->nodesetval->nodeNr; ++Index)
				{
					xmlChar* Content = xmlNodeGetContent(Result->nodesetval->nodeTab[Index]);
					Values.push_back(Content ? reinterpret_cast<const char*>(Content) : "");
					xmlFree(Content);
				}
			}
			else if (Result)
			{
				xmlChar* Content = xmlXPathCastToString(Result);
				Values.push_back(Content ? reinterpret_cast<const char*>(Content) : "");
				xmlFree(Content);
			}
			xmlXPathFreeObject(Result);
			xmlXPathFreeContext(Context);
			return Values;
		}

		/** The first selected value, or "" when nothing is selected. */
		std::string String(const std::string& XPath) const
		{
			const std::vector<std::string> Values = Strings(XPath);
			return Values.empty() ? std::string() : Values[0];
		}

		int Count(const std::string& XPath) const
		{
			return int(Strings(XPath).size());
		}

		/** Names of the Macro elements, in file order. */
		std::vector<std::string> MacroNames() const
		{
			return Strings("/ma:MA/ma:Macro/@name");
		}

		/** The command texts of the named macro's lines, in file order. */
		std::vector<std::string> MacroLines(const std::string& MacroName) const
		{
			return Strings("/ma:MA/ma:Macro[@name='" + MacroName + "']/ma:Macroline/ma:text");
		}

		/** The index attributes of the named macro's lines, in file order. */
		std::vector<std::string> MacroLineIndices(const std::string& MacroName) const
		{
			return Strings("/ma:MA/ma:Macro[@name='" + MacroName + "']/ma:Macroline/@index");
		}

	private:
		struct FDocDeleter
		{
			void operator()(xmlDoc* InDoc) const
			{
				xmlFreeDoc(InDoc);
			}
		};
		/** Shared, so that documents copy cheaply; freed with libxml2's own call. */
		std::shared_ptr<xmlDoc> Doc;
	};
}
