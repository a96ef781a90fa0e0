#!/usr/bin/env python3
"""The stand-in's header tool: reads one header's UCLASS / USTRUCT / UENUM declarations and writes
<Base>.generated.h and <Base>.gen.cpp for it.

A tolerant scanner, not a C++ parser: comments and string literals are understood, braces, parentheses
and angle brackets are balanced, and every reflected declaration is read from its macro onwards.
The generated code stays small; the work is done by the macros of UObject/ObjectMacros.h and the
templates of UObject/GeneratedCppIncludes.h.
"""

import argparse
import os
import re
import sys


class HeaderError(Exception):
	def __init__(self, line, message):
		super().__init__(message)
		self.line = line
		self.message = message


# ---------------------------------------------------------------------------------------------------
# Scanning

def blank_comments(text):
	"""Returns the text with comments replaced by spaces (newlines kept, so offsets and lines stay),
	and a list of (start, end, body) for every comment, to find doc comments."""
	out = list(text)
	comments = []
	i = 0
	n = len(text)
	while i < n:
		c = text[i]
		if c == '/' and i + 1 < n and text[i + 1] == '/':
			j = text.find('\n', i)
			if j < 0:
				j = n
			comments.append((i, j, text[i:j]))
			for k in range(i, j):
				out[k] = ' '
			i = j
		elif c == '/' and i + 1 < n and text[i + 1] == '*':
			j = text.find('*/', i + 2)
			j = n if j < 0 else j + 2
			comments.append((i, j, text[i:j]))
			for k in range(i, j):
				if out[k] != '\n':
					out[k] = ' '
			i = j
		elif c == '"' or c == "'":
			# Raw strings are not expected in reflected headers; plain literals are skipped whole.
			j = i + 1
			while j < n and text[j] != c:
				if text[j] == '\\':
					j += 1
				elif text[j] == '\n':
					break
				j += 1
			i = j + 1
		else:
			i += 1
	return ''.join(out), comments


def skip_string(text, i):
	q = text[i]
	j = i + 1
	while j < len(text) and text[j] != q:
		if text[j] == '\\':
			j += 1
		j += 1
	return j + 1


def match_paren(text, i, open_c='(', close_c=')'):
	"""text[i] is open_c; returns the index just after the matching close_c."""
	depth = 0
	n = len(text)
	while i < n:
		c = text[i]
		if c == '"' or c == "'":
			i = skip_string(text, i)
			continue
		if c == open_c:
			depth += 1
		elif c == close_c:
			depth -= 1
			if depth == 0:
				return i + 1
		i += 1
	raise HeaderError(None, "unbalanced '%s'" % open_c)


def line_of(text, pos):
	return text.count('\n', 0, pos) + 1


def split_top(text, sep=','):
	"""Splits at sep outside of (), {}, [], <> and string literals."""
	parts = []
	depth = 0
	cur = []
	i = 0
	while i < len(text):
		c = text[i]
		if c == '"' or c == "'":
			j = skip_string(text, i)
			cur.append(text[i:j])
			i = j
			continue
		if c in '([{<':
			depth += 1
		elif c in ')]}>':
			depth -= 1
		if c == sep and depth == 0:
			parts.append(''.join(cur))
			cur = []
		else:
			cur.append(c)
		i += 1
	parts.append(''.join(cur))
	return [p.strip() for p in parts if p.strip()]


def unquote(value):
	value = value.strip()
	if len(value) >= 2 and value[0] == '"' and value[-1] == '"':
		body = value[1:-1]
		return re.sub(r'\\(.)', r'\1', body)
	return value


def parse_specifiers(text):
	"""'EditAnywhere, Category="X", meta=(ClampMin="0")' -> list of (key, value or None), meta dict."""
	specifier_list = []
	meta = []
	for item in split_top(text):
		if '=' in item:
			key, value = item.split('=', 1)
			key = key.strip()
			value = value.strip()
			if key.lower() == 'meta':
				if value.startswith('('):
					value = value[1:-1]
				for m in split_top(value):
					if '=' in m:
						mk, mv = m.split('=', 1)
						meta.append((mk.strip(), unquote(mv)))
					else:
						meta.append((m.strip(), 'true'))
				continue
			if value.startswith('(') and value.endswith(')'):
				value = ' '.join(unquote(v) for v in split_top(value[1:-1]))
			specifier_list.append((key, unquote(value)))
		else:
			specifier_list.append((item.strip(), None))
	return specifier_list, meta


IDENT = re.compile(r'[A-Za-z_][A-Za-z0-9_]*')


# ---------------------------------------------------------------------------------------------------
# Reflected declarations

PROPERTY_FLAGS = {
	'editanywhere': ['CPF_Edit'],
	'editdefaultsonly': ['CPF_Edit', 'CPF_DisableEditOnInstance'],
	'editinstanceonly': ['CPF_Edit', 'CPF_DisableEditOnTemplate'],
	'visibleanywhere': ['CPF_Edit', 'CPF_EditConst'],
	'visibledefaultsonly': ['CPF_Edit', 'CPF_EditConst', 'CPF_DisableEditOnInstance'],
	'visibleinstanceonly': ['CPF_Edit', 'CPF_EditConst', 'CPF_DisableEditOnTemplate'],
	'blueprintreadwrite': ['CPF_BlueprintVisible'],
	'blueprintreadonly': ['CPF_BlueprintVisible', 'CPF_BlueprintReadOnly'],
	'transient': ['CPF_Transient'],
	'duplicatetransient': ['CPF_DuplicateTransient'],
	'nontransactional': ['CPF_NonTransactional'],
	'config': ['CPF_Config'],
	'globalconfig': ['CPF_GlobalConfig', 'CPF_Config'],
	'advanceddisplay': ['CPF_AdvancedDisplay'],
	'simpledisplay': ['CPF_SimpleDisplay'],
	'editfixedsize': ['CPF_EditFixedSize'],
	'noclear': ['CPF_NoClear'],
	'instanced': ['CPF_InstancedReference', 'CPF_ExportObject'],
	'export': ['CPF_ExportObject'],
	'savegame': ['CPF_SaveGame'],
	'interp': ['CPF_Edit', 'CPF_BlueprintVisible', 'CPF_Interp'],
	'assetregistrysearchable': ['CPF_AssetRegistrySearchable'],
}

PROPERTY_META_SPECIFIERS = {'category': 'Category', 'displayname': 'DisplayName'}

CLASS_FLAGS = {
	'abstract': 'CLASS_Abstract',
	'transient': 'CLASS_Transient',
	'minimalapi': 'CLASS_MinimalAPI',
	'defaultconfig': 'CLASS_DefaultConfig',
	'globaluserconfig': 'CLASS_GlobalUserConfig',
	'projectuserconfig': 'CLASS_ProjectUserConfig',
	'notplaceable': 'CLASS_NotPlaceable',
	'deprecated': 'CLASS_Deprecated',
	'hidedropdown': 'CLASS_HideDropDown',
	'collapsecategories': 'CLASS_CollapseCategories',
	'editinlinenew': 'CLASS_EditInlineNew',
	'const': 'CLASS_Const',
}

CLASS_META = {
	'blueprinttype': ('BlueprintType', 'true'),
	'notblueprinttype': ('NotBlueprintType', 'true'),
	'blueprintable': ('IsBlueprintBase', 'true'),
	'notblueprintable': ('IsBlueprintBase', 'false'),
}


class Property:
	def __init__(self, name, line, specifier_list, meta, tooltip):
		self.name = name
		self.line = line
		self.flags = []
		self.meta = []
		# The #if conditions (WITH_EDITORONLY_DATA, WITH_EDITOR) the member is declared under.
		self.guard = None
		for key, value in specifier_list:
			low = key.lower()
			if low in PROPERTY_FLAGS:
				for f in PROPERTY_FLAGS[low]:
					if f not in self.flags:
						self.flags.append(f)
			elif low in PROPERTY_META_SPECIFIERS:
				self.meta.append((PROPERTY_META_SPECIFIERS[low], value or ''))
			elif value is not None:
				self.meta.append((key, value))
			else:
				self.meta.append((key, 'true'))
		self.meta.extend(meta)
		if tooltip and not any(k == 'ToolTip' for k, _ in self.meta):
			self.meta.append(('ToolTip', tooltip))


class Record:
	def __init__(self, kind, name, line):
		self.kind = kind          # 'class', 'struct', 'enum'
		self.name = name
		self.line = line
		self.body_line = None
		self.super = None
		self.flags = []
		self.meta = []
		self.config = None
		self.properties = []
		self.has_constructor = False
		self.is_struct_keyword = False
		# Enums
		self.enum_entries = []    # (name, meta list)
		self.enum_form = None     # 'EnumClass', 'Regular', 'Namespaced'
		self.enum_cpp = None      # C++ type to name
		self.enum_scope = None    # scope prefix for values
		self.enum_forward = None  # forward declaration, when the enum can have one


def doc_comment_before(comments, pos, text):
	"""The /** */ comment or the run of /// lines that ends right before pos (only blanks between)."""
	run = []
	cursor = pos
	for start, end, body in reversed(comments):
		if end > cursor:
			continue
		if text[end:cursor].strip() != '':
			break
		if body.startswith('/**') and not run:
			lines = [re.sub(r'^\s*\*?\s?', '', l).rstrip() for l in body[3:-2].split('\n')]
			return ' '.join(l.strip() for l in lines if l.strip()) or None
		if body.startswith('///'):
			run.insert(0, body[3:].strip())
			cursor = start
			continue
		break
	return ' '.join(l for l in run if l) or None


def parse_property(clean, raw_comments, raw, start, record):
	"""clean[start:] begins with UPROPERTY. Returns (Property, end position)."""
	p = clean.index('(', start)
	pend = match_paren(clean, p)
	specifier_list, meta = parse_specifiers(clean[p + 1:pend - 1])
	semi = pend
	depth = 0
	while semi < len(clean):
		c = clean[semi]
		if c in '"\'':
			semi = skip_string(clean, semi)
			continue
		if c in '({[':
			depth += 1
		elif c in ')}]':
			depth -= 1
		elif c == ';' and depth == 0:
			break
		semi += 1
	decl = clean[pend:semi].strip()
	line = line_of(clean, start)
	if not decl:
		raise HeaderError(line, 'UPROPERTY without a declaration')
	# Drop the initializer: '= value' or a brace initializer at the top level.
	cut = len(decl)
	depth = 0
	for i, c in enumerate(decl):
		if c in '(<[':
			depth += 1
		elif c in ')>]':
			depth -= 1
		elif depth == 0 and (c == '=' or c == '{'):
			cut = i
			break
	declarator = decl[:cut].strip()
	# Bitfields are not supported.
	depth = 0
	for i, c in enumerate(declarator):
		if c in '(<[':
			depth += 1
		elif c in ')>]':
			depth -= 1
		elif c == ':' and depth == 0:
			prev = declarator[i - 1] if i > 0 else ''
			nxt = declarator[i + 1] if i + 1 < len(declarator) else ''
			if prev != ':' and nxt != ':':
				raise HeaderError(line, "%s: UPROPERTY '%s' is a bitfield; reflected bitfields are not "
					"supported, declare it as a plain bool" % (record.name, declarator))
	if '[' in declarator:
		raise HeaderError(line, "%s: UPROPERTY '%s' is a C array; use TArray" % (record.name, declarator))
	if ',' in split_top(declarator, ';')[0] and len(split_top(declarator)) > 1:
		raise HeaderError(line, "%s: one UPROPERTY declares several members ('%s')" % (record.name, declarator))
	names = IDENT.findall(declarator)
	if len(names) < 2:
		raise HeaderError(line, "%s: cannot read the UPROPERTY declaration '%s'" % (record.name, declarator))
	name = names[-1]
	if re.search(r'\bstatic\b', declarator):
		raise HeaderError(line, "%s: UPROPERTY '%s' is static" % (record.name, name))
	tooltip = doc_comment_before(raw_comments, start, raw)
	return Property(name, line, specifier_list, meta, tooltip), semi + 1


EDITOR_CONDITIONS = ('WITH_EDITORONLY_DATA', 'WITH_EDITOR')


def parse_body(clean, raw_comments, raw, body_start, body_end, record):
	"""Walks the body at depth 1: GENERATED_BODY, UPROPERTYs, constructors."""
	i = body_start + 1
	depth = 0
	gen = re.compile(r'\b(GENERATED_BODY|GENERATED_UCLASS_BODY|GENERATED_USTRUCT_BODY|GENERATED_BODY_LEGACY)\s*\(')
	prop = re.compile(r'\bUPROPERTY\s*\(')
	ctor = re.compile(r'(?<![~:\w])' + re.escape(record.name) + r'\s*\(')
	directive = re.compile(r'#[ \t]*(if|ifdef|ifndef|elif|else|endif)\b([^\n]*)')
	# Editor-only members exist only in editor builds; their reflection code gets the same #if.
	conditions = []
	while i < body_end - 1:
		c = clean[i]
		if c in '"\'':
			i = skip_string(clean, i)
			continue
		if c == '#':
			m = directive.match(clean, i)
			if m:
				kind, rest = m.group(1), m.group(2).strip()
				if kind in ('if', 'ifdef', 'ifndef'):
					conditions.append(rest if kind == 'if' and rest in EDITOR_CONDITIONS else None)
				elif kind in ('else', 'elif'):
					if conditions and conditions[-1] is not None:
						if kind == 'elif':
							raise HeaderError(line_of(clean, i), '%s: #elif after #if %s is not supported' % (record.name, conditions[-1]))
						conditions[-1] = '!' + conditions[-1] if not conditions[-1].startswith('!') else conditions[-1][1:]
				elif conditions:
					conditions.pop()
				i = m.end()
				continue
		if c == '{':
			depth += 1
			i += 1
			continue
		if c == '}':
			depth -= 1
			i += 1
			continue
		if depth == 0:
			m = gen.match(clean, i)
			if m and (i == 0 or not (clean[i - 1].isalnum() or clean[i - 1] == '_')):
				if record.body_line is not None:
					raise HeaderError(line_of(clean, i), '%s has more than one GENERATED_BODY' % record.name)
				record.body_line = line_of(clean, i)
				i = match_paren(clean, clean.index('(', i))
				continue
			m = prop.match(clean, i)
			if m and (i == 0 or not (clean[i - 1].isalnum() or clean[i - 1] == '_')):
				p, i = parse_property(clean, raw_comments, raw, i, record)
				active = [c for c in conditions if c is not None]
				p.guard = ' && '.join(active) if active else None
				if any(q.name == p.name for q in record.properties):
					raise HeaderError(p.line, '%s: property %s is declared twice' % (record.name, p.name))
				record.properties.append(p)
				continue
			m = ctor.match(clean, i)
			if m and record.kind == 'class':
				record.has_constructor = True
				i = m.end()
				continue
		i += 1
	if record.body_line is None:
		raise HeaderError(record.line, '%s has no GENERATED_BODY()' % record.name)


def parse_class_or_struct(clean, raw_comments, raw, macro_pos, kind):
	p = clean.index('(', macro_pos)
	pend = match_paren(clean, p)
	specifier_list, meta = parse_specifiers(clean[p + 1:pend - 1])
	line = line_of(clean, macro_pos)
	brace = clean.find('{', pend)
	semi = clean.find(';', pend)
	if brace < 0 or (0 <= semi < brace):
		raise HeaderError(line, '%s(...) is not followed by a %s definition' %
			('UCLASS' if kind == 'class' else 'USTRUCT', kind))
	head = clean[pend:brace]
	head = re.sub(r'\s+', ' ', head).strip()
	m = re.match(r'(class|struct)\s+(.*)$', head)
	if not m:
		raise HeaderError(line, "cannot read the declaration after the macro: '%s'" % head)
	rest = m.group(2)
	bases = ''
	if ':' in rest:
		rest, bases = rest.split(':', 1)
	words = IDENT.findall(rest)
	words = [w for w in words if w not in ('final', 'alignas')]
	if not words:
		raise HeaderError(line, "no type name in '%s'" % head)
	name = words[-1]
	record = Record(kind, name, line)
	record.is_struct_keyword = m.group(1) == 'struct'
	if bases.strip():
		first = split_top(bases)[0]
		first = re.sub(r'\b(public|protected|private|virtual)\b', '', first).strip()
		record.super = first
	elif kind == 'class' and name != 'UObject':
		raise HeaderError(line, 'UCLASS %s has no base class' % name)
	for key, value in specifier_list:
		low = key.lower()
		if kind == 'class' and low in CLASS_FLAGS:
			record.flags.append(CLASS_FLAGS[low])
		elif kind == 'class' and low == 'config':
			record.config = value
			record.flags.append('CLASS_Config')
		elif low in CLASS_META:
			record.meta.append(CLASS_META[low])
		elif low in ('hidecategories', 'showcategories', 'autoexpandcategories', 'autocollapsecategories',
				'classgroup', 'prioritizecategories'):
			canonical = {'hidecategories': 'HideCategories', 'showcategories': 'ShowCategories',
				'autoexpandcategories': 'AutoExpandCategories', 'autocollapsecategories': 'AutoCollapseCategories',
				'classgroup': 'ClassGroupNames', 'prioritizecategories': 'PrioritizeCategories'}[low]
			record.meta.append((canonical, value or ''))
		elif value is not None:
			record.meta.append((key, value))
		else:
			record.meta.append((key, 'true'))
	record.meta.extend(meta)
	body_end = match_paren(clean, brace, '{', '}')
	parse_body(clean, raw_comments, raw, brace, body_end, record)
	return record, body_end


def parse_enum(clean, macro_pos):
	p = clean.index('(', macro_pos)
	pend = match_paren(clean, p)
	specifier_list, meta = parse_specifiers(clean[p + 1:pend - 1])
	line = line_of(clean, macro_pos)
	brace = clean.find('{', pend)
	if brace < 0:
		raise HeaderError(line, 'UENUM(...) is not followed by an enum definition')
	head = re.sub(r'\s+', ' ', clean[pend:brace]).strip()
	m_class = re.match(r'enum\s+(class|struct)\s+([A-Za-z_]\w*)\s*(:\s*[\w:\s]+)?$', head)
	m_plain = re.match(r'enum\s+([A-Za-z_]\w*)\s*(:\s*[\w:\s]+)?$', head)
	m_ns = re.match(r'namespace\s+([A-Za-z_]\w*)$', head)
	if m_class:
		record = Record('enum', m_class.group(2), line)
		record.enum_form = 'EnumClass'
		record.enum_cpp = record.name
		record.enum_scope = record.name + '::'
		record.enum_forward = 'enum %s %s%s;' % (m_class.group(1), record.name,
			(' ' + m_class.group(3).strip()) if m_class.group(3) else '')
		body_start = brace
	elif m_plain:
		record = Record('enum', m_plain.group(1), line)
		record.enum_form = 'Regular'
		record.enum_cpp = record.name
		record.enum_scope = ''
		if m_plain.group(2):
			record.enum_forward = 'enum %s %s;' % (record.name, m_plain.group(2).strip())
		body_start = brace
	elif m_ns:
		record = Record('enum', m_ns.group(1), line)
		record.enum_form = 'Namespaced'
		inner = re.compile(r'enum\s+([A-Za-z_]\w*)\s*(:\s*[\w:\s]+)?\{')
		ns_end = match_paren(clean, brace, '{', '}')
		im = inner.search(clean, brace, ns_end)
		if not im:
			raise HeaderError(line, 'UENUM namespace %s holds no enum' % record.name)
		record.enum_cpp = '%s::%s' % (record.name, im.group(1))
		record.enum_scope = record.name + '::'
		body_start = im.end() - 1
	else:
		raise HeaderError(line, "cannot read the enum declaration '%s'" % head)
	for key, value in specifier_list:
		if key.lower() in CLASS_META:
			record.meta.append(CLASS_META[key.lower()])
		else:
			record.meta.append((key, value if value is not None else 'true'))
	record.meta.extend(meta)
	body_end = match_paren(clean, body_start, '{', '}')
	body = clean[body_start + 1:body_end - 1]
	for entry in split_top(body):
		um = re.search(r'\bUMETA\s*\(', entry)
		emeta = []
		if um:
			q = entry.index('(', um.start())
			qend = match_paren(entry, q)
			_specs, _meta = parse_specifiers(entry[q + 1:qend - 1])
			for k, v in _specs:
				emeta.append((k, v if v is not None else 'true'))
			emeta.extend(_meta)
			entry = entry[:um.start()] + entry[qend:]
		ename = entry.split('=')[0].strip()
		if not IDENT.fullmatch(ename):
			raise HeaderError(line, "%s: cannot read the enumerator '%s'" % (record.name, entry.strip()))
		record.enum_entries.append((ename, emeta))
	if record.enum_form == 'Namespaced':
		body_end = match_paren(clean, brace, '{', '}')
	return record, body_end


def parse_header(raw):
	clean, comments = blank_comments(raw)
	# The macros' own definitions (#define UCLASS(...)) are not declarations.
	pattern = re.compile(r'^[ \t]*(UCLASS|USTRUCT|UENUM)[ \t]*\(', re.M)
	records = []
	pos = 0
	while True:
		m = pattern.search(clean, pos)
		if not m:
			break
		kind = m.group(1)
		start = m.start(1)
		if kind == 'UENUM':
			record, end = parse_enum(clean, start)
		else:
			record, end = parse_class_or_struct(clean, comments, raw, start, 'class' if kind == 'UCLASS' else 'struct')
		records.append(record)
		pos = end
	names = {}
	for r in records:
		if r.name in names:
			raise HeaderError(r.line, '%s is declared twice' % r.name)
		names[r.name] = r
	return records


# ---------------------------------------------------------------------------------------------------
# Output

def cpp_string(value):
	return 'TEXT("%s")' % value.replace('\\', '\\\\').replace('"', '\\"').replace('\n', '\\n')


def strip_prefix(name):
	return name[1:] if len(name) > 1 and name[0] in 'UAFS' and name[1].isupper() else name


def meta_array(var, pairs):
	if not pairs:
		return None, 'nullptr, 0'
	lines = ['\tstatic const UE::CoreUObject::Private::FMetaDataPairParam %s[] = {' % var]
	for k, v in pairs:
		lines.append('\t\t{ %s, %s },' % (cpp_string(k), cpp_string(v)))
	lines.append('\t};')
	return '\n'.join(lines), '%s, UE_ARRAY_COUNT(%s)' % (var, var)


def flags_expr(flags, zero):
	return ' | '.join('(uint64)%s' % f for f in flags) if flags else zero


def include_path_for(header):
	"""The path by which the .gen.cpp includes the header: relative to the Public/ or Private/ root."""
	norm = header.replace('\\', '/')
	for root in ('/Public/', '/Private/', '/Classes/'):
		idx = norm.rfind(root)
		if idx >= 0:
			return norm[idx + len(root):]
	return os.path.abspath(header).replace('\\', '/')


def generate(module, api, header, records):
	base = os.path.splitext(os.path.basename(header))[0]
	file_id = 'FID_%s_%s_h' % (module, re.sub(r'\W', '_', base))
	guard = '%s_%s_generated_h' % (module.upper(), re.sub(r'\W', '_', base))
	gh = []
	gh.append('// Written by the stand-in\'s header tool from %s.h. Do not edit.' % base)
	gh.append('#include "UObject/ObjectMacros.h"')
	gh.append('')
	gh.append('#ifdef %s' % guard)
	gh.append('#error "%s.generated.h already included, missing \'#pragma once\' in %s.h"' % (base, base))
	gh.append('#endif')
	gh.append('#define %s' % guard)
	gh.append('')
	for r in records:
		if r.kind == 'class':
			gh.append('class %s;' % r.name if not r.is_struct_keyword else 'struct %s;' % r.name)
		elif r.kind == 'struct':
			gh.append('struct %s;' % r.name if r.is_struct_keyword else 'class %s;' % r.name)
	gh.append('')
	for r in records:
		macro = '%s_%d_GENERATED_BODY' % (file_id, r.body_line) if r.kind != 'enum' else None
		if r.kind == 'class':
			gh.append('#define %s \\' % macro)
			if r.has_constructor:
				gh.append('\tDECLARE_CLASS_STANDIN(%s, %s, %s)' % (r.name, r.super, api))
			else:
				gh.append('\tDECLARE_CLASS_STANDIN_WITH_CONSTRUCTOR(%s, %s, %s)' % (r.name, r.super, api))
			gh.append('#define %s_%d_GENERATED_BODY_LEGACY %s' % (file_id, r.body_line, macro))
			gh.append('template<> %s UClass* StaticClass<%s %s>();' % (api, 'struct' if r.is_struct_keyword else 'class', r.name))
		elif r.kind == 'struct':
			gh.append('#define %s \\' % macro)
			if r.super:
				gh.append('\tDECLARE_STRUCT_STANDIN_WITH_SUPER(%s, %s, %s)' % (r.name, r.super, api))
			else:
				gh.append('\tDECLARE_STRUCT_STANDIN(%s, %s)' % (r.name, api))
			gh.append('#define %s_%d_GENERATED_BODY_LEGACY %s' % (file_id, r.body_line, macro))
			gh.append('template<> %s UScriptStruct* StaticStruct<%s %s>();' % (api, 'struct' if r.is_struct_keyword else 'class', r.name))
		else:
			if r.enum_forward:
				gh.append(r.enum_forward)
				gh.append('template<> %s UEnum* StaticEnum<%s>();' % (api, r.enum_cpp))
		gh.append('')
	gh.append('#undef CURRENT_FILE_ID')
	gh.append('#define CURRENT_FILE_ID %s' % file_id)
	gh.append('')

	gc = []
	gc.append('// Written by the stand-in\'s header tool from %s.h. Do not edit.' % base)
	gc.append('#include "%s"' % include_path_for(header))
	gc.append('#include "UObject/GeneratedCppIncludes.h"')
	gc.append('')
	gc.append('#if defined(__GNUC__)')
	gc.append('#pragma GCC diagnostic ignored "-Winvalid-offsetof"')
	gc.append('#endif')
	gc.append('')
	package = '/Script/%s' % module
	for r in records:
		if r.kind == 'enum':
			statics = 'Z_Construct_UEnum_%s_Statics' % r.name
			gc.append('struct %s' % statics)
			gc.append('{')
			gc.append('\tstatic UEnum* Construct(UEnum** OutEnum)')
			gc.append('\t{')
			gc.append('\t\tstatic const UE::CoreUObject::Private::FEnumeratorParam Enumerators[] = {')
			for idx, (ename, emeta) in enumerate(r.enum_entries):
				mdecl = ', '.join('{ %s, %s }' % (cpp_string(k), cpp_string(v)) for k, v in emeta)
				qualified = (r.name + '::' + ename) if r.enum_form != 'Regular' else ename
				gc.append('\t\t\t{ %s, (int64)%s%s, %d },' % (cpp_string(qualified), r.enum_scope, ename, len(emeta)))
			gc.append('\t\t};')
			all_meta = []
			for idx, (ename, emeta) in enumerate(r.enum_entries):
				for k, v in emeta:
					all_meta.append((idx, k, v))
			if all_meta:
				gc.append('\t\tstatic const UE::CoreUObject::Private::FEnumeratorMetaParam EnumeratorMeta[] = {')
				for idx, k, v in all_meta:
					gc.append('\t\t\t{ %d, %s, %s },' % (idx, cpp_string(k), cpp_string(v)))
				gc.append('\t\t};')
			mdef, mref = meta_array('EnumMeta', r.meta)
			if mdef:
				gc.append('\t' + mdef.replace('\n', '\n\t'))
			gc.append('\t\tUE::CoreUObject::Private::FEnumParams Params;')
			gc.append('\t\tParams.Name = %s;' % cpp_string(r.name))
			gc.append('\t\tParams.PackageName = %s;' % cpp_string(package))
			gc.append('\t\tParams.CppType = %s;' % cpp_string(r.enum_cpp))
			gc.append('\t\tParams.CppForm = UEnum::ECppForm::%s;' % r.enum_form)
			gc.append('\t\tParams.Enumerators = Enumerators;')
			gc.append('\t\tParams.NumEnumerators = UE_ARRAY_COUNT(Enumerators);')
			if all_meta:
				gc.append('\t\tParams.EnumeratorMeta = EnumeratorMeta;')
				gc.append('\t\tParams.NumEnumeratorMeta = UE_ARRAY_COUNT(EnumeratorMeta);')
			if mdef:
				gc.append('\t\tParams.MetaData = EnumMeta;')
				gc.append('\t\tParams.NumMetaData = UE_ARRAY_COUNT(EnumMeta);')
			gc.append('\t\treturn UE::CoreUObject::Private::ConstructEnum(OutEnum, Params);')
			gc.append('\t}')
			gc.append('};')
			gc.append('template<> %s UEnum* StaticEnum<%s>()' % (api, r.enum_cpp))
			gc.append('{')
			gc.append('\tstatic UEnum* Enum = nullptr;')
			gc.append('\tif (!Enum)')
			gc.append('\t{')
			gc.append('\t\t%s::Construct(&Enum);' % statics)
			gc.append('\t}')
			gc.append('\treturn Enum;')
			gc.append('}')
			gc.append('static UE::CoreUObject::Private::FRegisterCompiledInInfo Z_CompiledIn_%s(&StaticEnum<%s>);'
				% (r.name, r.enum_cpp))
			gc.append('')
			continue

		is_class = r.kind == 'class'
		statics = ('Z_Construct_UClass_%s_Statics' if is_class else 'Z_Construct_UScriptStruct_%s_Statics') % r.name
		gc.append('struct %s' % statics)
		gc.append('{')
		gc.append('\tstatic void AddProperties(UE::CoreUObject::Private::FPropertyBuilder& Builder)')
		gc.append('\t{')
		for idx, p in enumerate(r.properties):
			if p.guard:
				gc.append('#if %s' % p.guard)
			mdef, mref = meta_array('Meta_%s' % p.name, p.meta)
			if mdef:
				gc.append('\t' + mdef.replace('\n', '\n\t'))
			gc.append('\t\tBuilder.AddProperty(%s, &%s::%s, %s, %s);'
				% (cpp_string(p.name), r.name, p.name, flags_expr(p.flags, '(uint64)CPF_None'), mref))
			if p.guard:
				gc.append('#endif')
		gc.append('\t}')
		if is_class:
			gc.append('\ttemplate<typename T = %s>' % r.name)
			gc.append('\tstatic UObject* ConstructAs(const FObjectInitializer& ObjectInitializer)')
			gc.append('\t{')
			gc.append('\t\tif constexpr (std::is_abstract_v<T>)')
			gc.append('\t\t{')
			gc.append('\t\t\treturn UE::CoreUObject::Private::CannotConstructAbstract(ObjectInitializer);')
			gc.append('\t\t}')
			gc.append('\t\telse if constexpr (requires(const FObjectInitializer& Initializer) { new T(Initializer); })')
			gc.append('\t\t{')
			gc.append('\t\t\treturn new T(ObjectInitializer);')
			gc.append('\t\t}')
			gc.append('\t\telse')
			gc.append('\t\t{')
			gc.append('\t\t\treturn new T();')
			gc.append('\t\t}')
			gc.append('\t}')
			gc.append('\tstatic UObject* Construct(const FObjectInitializer& ObjectInitializer)')
			gc.append('\t{')
			gc.append('\t\treturn ConstructAs<>(ObjectInitializer);')
			gc.append('\t}')
		else:
			gc.append('\tstatic void* NewStruct() { return new %s(); }' % r.name)
		gc.append('};')
		mdef, mref = meta_array('Z_Meta_%s' % r.name, r.meta)
		if is_class:
			gc.append('UClass* %s::StaticClass()' % r.name)
			gc.append('{')
			gc.append('\tstatic UClass* Class = nullptr;')
			gc.append('\tif (!Class)')
			gc.append('\t{')
			if mdef:
				gc.append('\t' + mdef.replace('\n', '\n\t'))
			gc.append('\t\tUE::CoreUObject::Private::FClassParams Params;')
			gc.append('\t\tParams.Name = %s;' % cpp_string(strip_prefix(r.name)))
			gc.append('\t\tParams.CppName = %s;' % cpp_string(r.name))
			gc.append('\t\tParams.PackageName = %s;' % cpp_string(package))
			gc.append('\t\tParams.SuperClass = &%s::StaticClass;' % r.super)
			gc.append('\t\tParams.Construct = &%s::Construct;' % statics)
			gc.append('\t\tParams.AddProperties = &%s::AddProperties;' % statics)
			gc.append('\t\tParams.ClassFlags = %s;' % flags_expr(r.flags, '0'))
			gc.append('\t\tParams.PropertiesSize = sizeof(%s);' % r.name)
			if r.config:
				gc.append('\t\tParams.ConfigName = %s;' % cpp_string(r.config))
			if mdef:
				gc.append('\t\tParams.MetaData = Z_Meta_%s;' % r.name)
				gc.append('\t\tParams.NumMetaData = UE_ARRAY_COUNT(Z_Meta_%s);' % r.name)
			gc.append('\t\tUE::CoreUObject::Private::ConstructClass(&Class, Params);')
			gc.append('\t}')
			gc.append('\treturn Class;')
			gc.append('}')
			gc.append('template<> %s UClass* StaticClass<%s>()' % (api, r.name))
			gc.append('{')
			gc.append('\treturn %s::StaticClass();' % r.name)
			gc.append('}')
			if not r.has_constructor:
				gc.append('%s::%s(const FObjectInitializer& ObjectInitializer) : Super(ObjectInitializer)' % (r.name, r.name))
				gc.append('{')
				gc.append('}')
			gc.append('static UE::CoreUObject::Private::FRegisterCompiledInInfo Z_CompiledIn_%s(&%s::StaticClass);'
				% (r.name, r.name))
		else:
			gc.append('UScriptStruct* %s::StaticStruct()' % r.name)
			gc.append('{')
			gc.append('\tstatic UScriptStruct* Struct = nullptr;')
			gc.append('\tif (!Struct)')
			gc.append('\t{')
			if mdef:
				gc.append('\t' + mdef.replace('\n', '\n\t'))
			gc.append('\t\tUE::CoreUObject::Private::FStructParams Params;')
			gc.append('\t\tParams.Name = %s;' % cpp_string(strip_prefix(r.name)))
			gc.append('\t\tParams.CppName = %s;' % cpp_string(r.name))
			gc.append('\t\tParams.PackageName = %s;' % cpp_string(package))
			if r.super:
				gc.append('\t\tParams.SuperStruct = &UE::CoreUObject::Private::TStaticStructOf<%s>::Get;' % r.super)
			gc.append('\t\tParams.AddProperties = &%s::AddProperties;' % statics)
			gc.append('\t\tParams.Ops = UE::CoreUObject::Private::TStructOps<%s>::Get();' % r.name)
			if mdef:
				gc.append('\t\tParams.MetaData = Z_Meta_%s;' % r.name)
				gc.append('\t\tParams.NumMetaData = UE_ARRAY_COUNT(Z_Meta_%s);' % r.name)
			gc.append('\t\tUE::CoreUObject::Private::ConstructScriptStruct(&Struct, Params);')
			gc.append('\t}')
			gc.append('\treturn Struct;')
			gc.append('}')
			gc.append('template<> %s UScriptStruct* StaticStruct<%s>()' % (api, r.name))
			gc.append('{')
			gc.append('\treturn %s::StaticStruct();' % r.name)
			gc.append('}')
			gc.append('static UE::CoreUObject::Private::FRegisterCompiledInInfo Z_CompiledIn_%s(&%s::StaticStruct);'
				% (r.name, r.name))
		gc.append('')
	return '\n'.join(gh) + '\n', '\n'.join(gc) + '\n'


def write_if_changed(path, text):
	try:
		with open(path, 'r', encoding='utf-8') as f:
			if f.read() == text:
				# Touch it so the build sees the output as newer than the header.
				os.utime(path, None)
				return
	except OSError:
		pass
	with open(path, 'w', encoding='utf-8') as f:
		f.write(text)


def main(argv):
	ap = argparse.ArgumentParser(description='Writes <Base>.generated.h and <Base>.gen.cpp for one header.')
	ap.add_argument('--module', required=True)
	ap.add_argument('--api', required=True)
	ap.add_argument('--header', required=True)
	ap.add_argument('--out-dir', required=True)
	args = ap.parse_args(argv)
	try:
		with open(args.header, 'r', encoding='utf-8-sig') as f:
			raw = f.read()
	except OSError as e:
		print('%s: error: cannot read the header: %s' % (args.header, e), file=sys.stderr)
		return 1
	try:
		records = parse_header(raw)
	except HeaderError as e:
		print('%s:%s: error: %s' % (args.header, e.line if e.line else 1, e.message), file=sys.stderr)
		return 1
	gen_h, gen_cpp = generate(args.module, args.api, args.header, records)
	os.makedirs(args.out_dir, exist_ok=True)
	base = os.path.splitext(os.path.basename(args.header))[0]
	write_if_changed(os.path.join(args.out_dir, base + '.generated.h'), gen_h)
	write_if_changed(os.path.join(args.out_dir, base + '.gen.cpp'), gen_cpp)
	return 0


if __name__ == '__main__':
	sys.exit(main(sys.argv[1:]))
