#include "platform/Localization.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMultiHash>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <algorithm>
#include <optional>

using namespace vexo::platform;
using namespace Qt::StringLiterals;

namespace {

const QString kSourceRoot = QStringLiteral(VEXO_SOURCE_DIR);

// ---------------------------------------------------------------------------
// Reading C++ text: literals, brackets and the comma-separated parts of a list.

struct Span {
    qsizetype begin = 0;
    qsizetype end = 0; // one past the last character
};

bool isIdentifierChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// The offset just past the string or character literal that starts at i.
qsizetype pastLiteral(const QString& code, qsizetype i) {
    if (code.at(i) == u'"' && i > 0 && code.at(i - 1) == u'R') {
        const qsizetype open = code.indexOf(u'(', i);
        const QString closing = u')' + code.mid(i + 1, open - i - 1) + u'"';
        const qsizetype end = open < 0 ? -1 : code.indexOf(closing, open);
        return end < 0 ? code.size() : end + closing.size();
    }
    for (qsizetype j = i + 1; j < code.size(); ++j) {
        if (code.at(j) == u'\\')
            ++j;
        else if (code.at(j) == code.at(i) || code.at(j) == u'\n')
            return j + 1;
    }
    return code.size();
}

// The text with its comments blanked out; offsets and line numbers stay.
QString withoutComments(QString code) {
    for (qsizetype i = 0; i < code.size();) {
        if (code.at(i) == u'"' || code.at(i) == u'\'') {
            i = pastLiteral(code, i);
            continue;
        }
        const QStringView next = QStringView(code).mid(i, 2);
        if (next != u"//" && next != u"/*") {
            ++i;
            continue;
        }
        const bool toLineEnd = next == u"//";
        const qsizetype found = toLineEnd ? code.indexOf(u'\n', i) : code.indexOf(u"*/", i);
        const qsizetype end = found < 0 ? code.size() : found + (toLineEnd ? 0 : 2);
        for (; i < end; ++i)
            if (code.at(i) != u'\n')
                code[i] = u' ';
    }
    return code;
}

// The offset of the bracket that closes the one at open; -1 when none does.
qsizetype closingOf(const QString& code, qsizetype open) {
    int depth = 0;
    for (qsizetype i = open; i < code.size();) {
        const QChar c = code.at(i);
        if (c == u'"' || c == u'\'') {
            i = pastLiteral(code, i);
            continue;
        }
        if (c == u'(' || c == u'{' || c == u'[')
            ++depth;
        else if ((c == u')' || c == u'}' || c == u']') && --depth == 0)
            return i;
        ++i;
    }
    return -1;
}

// Past the literal or bracketed group at i, else past the character.
qsizetype pastToken(const QString& code, qsizetype i) {
    const QChar c = code.at(i);
    if (c == u'"' || c == u'\'')
        return pastLiteral(code, i);
    if (c == u'(' || c == u'{' || c == u'[') {
        const qsizetype close = closingOf(code, i);
        return close < 0 ? code.size() : close + 1;
    }
    return i + 1;
}

Span trimmed(const QString& code, Span span) {
    while (span.begin < span.end && code.at(span.begin).isSpace())
        ++span.begin;
    while (span.end > span.begin && code.at(span.end - 1).isSpace())
        --span.end;
    return span;
}

// The parts of span that commas outside brackets separate.
QList<Span> partsOf(const QString& code, Span span) {
    QList<Span> parts;
    if (trimmed(code, span).begin >= span.end)
        return parts;
    qsizetype start = span.begin;
    for (qsizetype i = span.begin; i < span.end; i = pastToken(code, i)) {
        if (code.at(i) == u',') {
            parts << trimmed(code, {start, i});
            start = i + 1;
        }
    }
    // A braced list may end in a comma.
    if (const Span last = trimmed(code, {start, span.end}); last.begin < last.end)
        parts << last;
    return parts;
}

QString textOf(const QString& code, Span span) {
    return code.mid(span.begin, span.end - span.begin);
}

// The inside of span when span is one braced list.
std::optional<Span> bracedInside(const QString& code, Span span) {
    if (span.end - span.begin < 2 || code.at(span.begin) != u'{' ||
        closingOf(code, span.begin) != span.end - 1)
        return std::nullopt;
    return Span{span.begin + 1, span.end - 1};
}

// The braced list that starts at the first brace from offset from.
std::optional<Span> bracesFrom(const QString& code, qsizetype from) {
    const qsizetype open = code.indexOf(u'{', from);
    const qsizetype close = open < 0 ? -1 : closingOf(code, open);
    return close < 0 ? std::nullopt : std::optional(Span{open, close + 1});
}

QString identifierBefore(const QString& code, qsizetype at) {
    qsizetype end = at;
    while (end > 0 && code.at(end - 1).isSpace())
        --end;
    qsizetype begin = end;
    while (begin > 0 && isIdentifierChar(code.at(begin - 1)))
        --begin;
    return code.mid(begin, end - begin);
}

// Calls that hand a text on unchanged.
bool isWrapper(const QString& name) {
    static const QStringList wrappers{u"QStringLiteral"_s,    u"QLatin1String"_s,
                                      u"QLatin1StringView"_s, u"QString"_s,
                                      u"fromLatin1"_s,        u"fromUtf8"_s};
    return wrappers.contains(name);
}

// A string literal an expression yields, and the code that follows it.
struct Literal {
    qsizetype at = 0;
    QString text;
    QString after;
};

// The literals an expression can yield as its value: those in wrappers,
// braces and either branch of a condition, but none that an inner call
// takes as an argument.
QList<Literal> valueLiterals(const QString& code, Span span) {
    QList<Literal> literals;
    int openParentheses = 0;
    for (qsizetype i = span.begin; i < span.end;) {
        const QChar c = code.at(i);
        if (c == u'"') {
            Literal literal{i, {}, {}};
            while (i < span.end && code.at(i) == u'"') {
                const qsizetype past = pastLiteral(code, i);
                literal.text += code.mid(i + 1, past - i - 2);
                i = past + (QStringView(code).mid(past, 2) == u"_s" ? 2 : 0);
                while (i < span.end && code.at(i).isSpace())
                    ++i;
            }
            qsizetype after = i;
            for (int closed = 0; after < span.end; ++after) {
                if (code.at(after) == u')' && closed < openParentheses)
                    ++closed;
                else if (!code.at(after).isSpace())
                    break;
            }
            literal.after = code.mid(after, std::min<qsizetype>(span.end - after, 40));
            literals << literal;
            continue;
        }
        if (c == u'(') {
            const QString name = identifierBefore(code, i);
            if (!name.isEmpty() && !isWrapper(name)) {
                i = pastToken(code, i);
                continue;
            }
            ++openParentheses;
        } else if (c == u')') {
            --openParentheses;
        } else if (c == u'\'') {
            i = pastLiteral(code, i);
            continue;
        }
        ++i;
    }
    return literals;
}

// The name an expression hands on unchanged: "key" for key and for
// QString::fromLatin1(key), "titleKey" for choice.titleKey.
QString passedName(const QString& expression) {
    static const QRegularExpression wrapped(
        uR"(^(?:QString::fromLatin1|QString::fromUtf8|QLatin1String|QLatin1StringView|QString)\s*\((.*)\)$)"_s,
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression name(uR"(^(?:\w+(?:\.|->))*(\w+)$)"_s);
    QString inner = expression.trimmed();
    for (auto match = wrapped.match(inner); match.hasMatch(); match = wrapped.match(inner))
        inner = match.captured(1).trimmed();
    return name.match(inner).captured(1);
}

bool isMemberAccess(const QString& expression) {
    return expression.contains(u'.') || expression.contains(u"->");
}

// ---------------------------------------------------------------------------
// The keys the sources look up.

struct SourceFile {
    QString name; // below src/
    QString code; // comments blanked out

    QString folder() const { return name.section(u'/', 0, -2); }
    bool isHeader() const { return name.endsWith(u".h"); }
    int lineAt(qsizetype offset) const {
        return int(QStringView(code).left(offset).count(u'\n')) + 1;
    }
};

// A key, or a pattern ("...%1...", "...%zd...") with the values that a
// counting loop around it fills in, and where it was found.
struct FoundKey {
    QString text;
    QStringList values;
    QString place;

    bool isPattern() const { return text.contains(u"%1") || text.contains(u"%zd"); }
};

struct Call {
    QString name;
    qsizetype at = 0;
    QList<Span> arguments;
};

struct FunctionDefinition {
    const SourceFile* file = nullptr;
    QString name;
    QString head; // what precedes the name: the result type among others
    QStringList parameters;
    Span body;
};

struct StructDefinition {
    const SourceFile* file = nullptr;
    QString name;
    QStringList fields;

    bool isVisibleIn(const SourceFile& other) const { return file->isHeader() || file == &other; }
};

struct CountingLoop {
    QString variable;
    int first = 0;
    int last = 0;
    Span body;
};

// Key fields by their name: messageKey, buttonKeys, itemPattern, pattern.
bool isKeyFieldName(const QString& name) {
    static const QRegularExpression keyName(uR"([a-z](Keys?|Pattern)$|^pattern$)"_s);
    return keyName.match(name).hasMatch();
}

QStringList fieldsOf(const QString& code, Span body) {
    static const QRegularExpression notAField(
        uR"(^\s*(?:enum|struct|class|using|static|friend|typedef|template)\b)"_s);
    static const QRegularExpression access(uR"(^\s*(?:public|protected|private)\s*:)"_s);
    static const QRegularExpression name(uR"((\w+)\s*(?:\[[^\]]*\])?\s*(?:[={].*)?$)"_s,
                                         QRegularExpression::DotMatchesEverythingOption);
    QStringList fields;
    qsizetype start = body.begin;
    for (qsizetype i = body.begin; i < body.end;) {
        const QChar c = code.at(i);
        if (c != u'{' && c != u';') {
            i = pastToken(code, i);
            continue;
        }
        const QString declaration = code.mid(start, i - start).remove(access).trimmed();
        if (c == u'{' && declaration.contains(u'(')) {
            start = i = pastToken(code, i); // a member function and its body
        } else if (c == u'{') {
            i = pastToken(code, i);
        } else {
            if (!declaration.isEmpty() && !declaration.contains(u'(') &&
                !notAField.match(declaration).hasMatch())
                fields << name.match(declaration).captured(1);
            start = ++i;
        }
    }
    return fields;
}

// Finds the keys given to a lookup: directly, through functions that hand a
// parameter on to a lookup, through structure fields that reach one (tables,
// prompt requests) and through local variables set from literals.
class KeyScan {
public:
    explicit KeyScan(const QList<SourceFile>& files) : files_(files) {
        for (const SourceFile& file : files_) {
            readCalls(file);
            readStructs(file);
            readLoops(file);
        }
        for (const FunctionDefinition& function : functions_) {
            functionsByName_.insert(function.name, &function);
            functionsOf_[function.file] << &function;
        }
        for (const SourceFile& file : files_)
            readStructUses(file);
        for (const StructDefinition& definition : structs_)
            for (qsizetype i = 0; i < definition.fields.size(); ++i)
                if (isKeyFieldName(definition.fields.at(i)))
                    keyFields_.insert({&definition, i});
        // Follow parameters and fields to the lookups until nothing new turns up.
        for (qsizetype known = -1; known != learnedCount();) {
            known = learnedCount();
            for (const SourceFile& file : files_)
                for (const Span& position : keyPositions(file))
                    learnFrom(file, position);
        }
    }

    QList<FoundKey> keys() const {
        QList<FoundKey> found;
        for (const SourceFile& file : files_) {
            for (const Span& position : keyPositions(file))
                found << keysIn(file, position);
            found << keysAssignedToKeyFields(file);
        }
        return found;
    }

private:
    using Field = std::pair<const StructDefinition*, qsizetype>;

    qsizetype learnedCount() const {
        qsizetype count = keyFields_.size();
        for (const QSet<qsizetype>& parameters : keyParameters_)
            count += parameters.size();
        return count;
    }

    void readCalls(const SourceFile& file) {
        static const QRegularExpression call(uR"(\b([A-Za-z_]\w*)\s*\()"_s);
        static const QRegularExpression bodyStart(
            uR"(\s*(?:const\s*)?(?:noexcept\s*)?(?:override\s*)?\{)"_s);
        static const QRegularExpression statementEnd(uR"([;{}])"_s);
        static const QRegularExpression parameterName(
            uR"((\w+)\s*(?:\[[^\]]*\])?\s*(?:=.*)?$)"_s,
            QRegularExpression::DotMatchesEverythingOption);
        static const QStringList keywords{u"if"_s,     u"for"_s,   u"while"_s,
                                          u"switch"_s, u"catch"_s, u"return"_s};
        const QString& code = file.code;
        for (const auto& match : call.globalMatch(code)) {
            const qsizetype open = match.capturedEnd() - 1;
            const qsizetype close = closingOf(code, open);
            if (close < 0 || keywords.contains(match.captured(1)))
                continue;
            const Call found{match.captured(1), match.capturedStart(),
                             partsOf(code, {open + 1, close})};
            calls_[&file] << found;
            const auto start = bodyStart.match(code, close + 1, QRegularExpression::NormalMatch,
                                               QRegularExpression::AnchorAtOffsetMatchOption);
            if (!start.hasMatch())
                continue;
            const qsizetype headStart = code.lastIndexOf(statementEnd, found.at) + 1;
            FunctionDefinition definition{&file,
                                          found.name,
                                          code.mid(headStart, found.at - headStart),
                                          {},
                                          {start.capturedEnd() - 1, 0}};
            definition.body.end = closingOf(code, definition.body.begin) + 1;
            for (const Span& parameter : found.arguments)
                definition.parameters << parameterName.match(textOf(code, parameter)).captured(1);
            functions_ << definition;
        }
    }

    void readStructs(const SourceFile& file) {
        static const QRegularExpression opening(uR"(\bstruct\s+(\w+)\s*(?::[^{;]*)?\{)"_s);
        for (const auto& match : opening.globalMatch(file.code)) {
            const qsizetype brace = match.capturedEnd() - 1;
            structs_ << StructDefinition{
                &file, match.captured(1),
                fieldsOf(file.code, {brace + 1, std::max(brace + 1, closingOf(file.code, brace))})};
        }
    }

    void readLoops(const SourceFile& file) {
        static const QRegularExpression loop(
            uR"(\bfor\s*\(\s*(?:int|qsizetype|qint64)\s+(\w+)\s*=\s*(\d+)\s*;\s*\1\s*(<=|<)\s*(\d+)\s*;\s*(?:\+\+\1|\1\+\+)\s*\))"_s);
        const QString& code = file.code;
        for (const auto& match : loop.globalMatch(code)) {
            qsizetype begin = match.capturedEnd();
            while (begin < code.size() && code.at(begin).isSpace())
                ++begin;
            const qsizetype end = begin < code.size() && code.at(begin) == u'{'
                                      ? closingOf(code, begin)
                                      : code.indexOf(u';', begin);
            const int last = match.captured(4).toInt() - (match.captured(3) == u"<" ? 1 : 0);
            loops_[&file] << CountingLoop{
                match.captured(1), match.captured(2).toInt(), last, {begin, end}};
        }
    }

    // Where the structures are spelled out in braces: objects, arrays,
    // std::array tables, lists a function returns, and arguments of
    // functions that take one (alert({...})).
    void readStructUses(const SourceFile& file) {
        static const QRegularExpression reference(uR"(^const\s+(?:\w+::)*(\w+)\s*&)"_s);
        for (const StructDefinition& definition : structs_)
            if (definition.isVisibleIn(file) && file.code.contains(definition.name))
                for (const Span& element : elementsOf(file, definition))
                    elements_[&file] << std::pair{&definition, element};
        for (const Call& call : calls_.value(&file)) {
            for (qsizetype i = 0; i < call.arguments.size(); ++i) {
                const QString type =
                    reference.match(textOf(file.code, call.arguments.at(i))).captured(1);
                for (const StructDefinition& definition : structs_)
                    if (!type.isEmpty() && definition.name == type && definition.isVisibleIn(file))
                        structArguments_.insert(call.name, {&definition, i});
            }
        }
    }

    QList<Span> elementsOf(const SourceFile& file, const StructDefinition& definition) const {
        const QString& code = file.code;
        const QString name = QRegularExpression::escape(definition.name);
        QList<Span> elements;
        const auto addListed = [&](Span list) {
            for (const Span& part : partsOf(code, *bracedInside(code, list)))
                if (bracedInside(code, part))
                    elements << part;
        };
        const QRegularExpression single(u"\\b"_s + name + uR"(\s+\w+\s*=?\s*\{|(?<!struct )\b)"_s +
                                        name + uR"(\s*\{)"_s);
        for (const auto& match : single.globalMatch(code))
            if (const auto braces = bracesFrom(code, match.capturedEnd() - 1))
                elements << *braces;
        const QRegularExpression array(u"\\b"_s + name + uR"(\s+\w+\s*\[[^\]]*\]\s*=?\s*\{)"_s);
        for (const auto& match : array.globalMatch(code))
            if (const auto braces = bracesFrom(code, match.capturedEnd() - 1))
                addListed(*braces);
        const QRegularExpression stdArray(uR"(std::array<\s*(?:\w+::)*)"_s + name +
                                          uR"(\s*,[^>]*>\s*\w+\s*=?\s*\{)"_s);
        for (const auto& match : stdArray.globalMatch(code)) {
            const auto braces = bracesFrom(code, match.capturedEnd() - 1);
            if (!braces)
                continue;
            // Both {{...}, {...}} and {{{...}, {...}}} spell a std::array.
            const QList<Span> parts = partsOf(code, *bracedInside(code, *braces));
            bool nested = parts.size() == 1 && bracedInside(code, parts.first());
            for (const Span& inner :
                 nested ? partsOf(code, *bracedInside(code, parts.first())) : QList<Span>{})
                nested = nested && bracedInside(code, inner);
            addListed(nested ? parts.first() : *braces);
        }
        const QRegularExpression container(uR"(<\s*(?:\w+::)*)"_s + name + uR"(\s*>)"_s);
        for (const FunctionDefinition& function : functions_) {
            if (function.file != &file || !container.match(function.head).hasMatch())
                continue;
            for (qsizetype at = code.indexOf(u"return {", function.body.begin);
                 at >= 0 && at < function.body.end; at = code.indexOf(u"return {", at + 1))
                if (const auto braces = bracesFrom(code, at))
                    addListed(*braces);
        }
        return elements;
    }

    const FunctionDefinition* enclosingFunction(const SourceFile& file, qsizetype at) const {
        const FunctionDefinition* inner = nullptr;
        for (const FunctionDefinition* function : functionsOf_.value(&file))
            if (function->body.begin < at && at < function->body.end &&
                (inner == nullptr || function->body.begin > inner->body.begin))
                inner = function;
        return inner;
    }

    // The key parameters of what a call by this name in file reaches: the
    // function of the same file, else of the same folder, else any.
    QSet<qsizetype> keyParametersOf(const QString& name, const SourceFile& file) const {
        QSet<qsizetype> parameters;
        if (name == u"localizedStringForKey" || name == u"localizedText")
            parameters.insert(0);
        const QList<const FunctionDefinition*> named = functionsByName_.values(name);
        for (int reach = 0; reach < 3; ++reach) {
            bool defined = false;
            for (const FunctionDefinition* function : named) {
                if (reach == 0 ? function->file != &file
                               : reach == 1 && function->file->folder() != file.folder())
                    continue;
                defined = true;
                parameters.unite(keyParameters_.value(function));
            }
            if (defined)
                break;
        }
        return parameters;
    }

    QList<Span> keyFieldsOf(const SourceFile& file, const StructDefinition& definition,
                            Span braced) const {
        static const QRegularExpression designated(uR"(^\.(\w+)\s*=\s*)"_s);
        QList<Span> fields;
        const auto inside = bracedInside(file.code, braced);
        if (!inside)
            return fields;
        const QList<Span> parts = partsOf(file.code, *inside);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            Span part = parts.at(i);
            qsizetype field = i;
            if (const auto match = designated.match(textOf(file.code, part)); match.hasMatch()) {
                field = definition.fields.indexOf(match.captured(1));
                part.begin += match.capturedLength();
            }
            if (keyFields_.contains({&definition, field}))
                fields << part;
        }
        return fields;
    }

    // The expressions that give a key: key arguments of calls and key fields
    // of structures spelled out in braces.
    QList<Span> keyPositions(const SourceFile& file) const {
        QList<Span> positions;
        for (const Call& call : calls_.value(&file)) {
            for (qsizetype index : keyParametersOf(call.name, file))
                if (index < call.arguments.size())
                    positions << call.arguments.at(index);
            for (const auto& [definition, index] : structArguments_.values(call.name))
                if (index < call.arguments.size() && definition->isVisibleIn(file))
                    positions << keyFieldsOf(file, *definition, call.arguments.at(index));
        }
        for (const auto& [definition, element] : elements_.value(&file))
            positions << keyFieldsOf(file, *definition, element);
        return positions;
    }

    // A position that names a parameter makes it a key parameter; one that
    // names a field makes it a key field of the structures file sees.
    void learnFrom(const SourceFile& file, Span position) {
        const QString expression = textOf(file.code, position);
        const QString name = passedName(expression);
        if (name.isEmpty())
            return;
        if (isMemberAccess(expression)) {
            for (const StructDefinition& definition : structs_)
                if (definition.isVisibleIn(file) && definition.fields.contains(name))
                    keyFields_.insert({&definition, definition.fields.indexOf(name)});
        } else if (const FunctionDefinition* function = enclosingFunction(file, position.begin)) {
            if (const qsizetype index = function->parameters.indexOf(name); index >= 0)
                keyParameters_[function].insert(index);
        }
    }

    QList<FoundKey> keysIn(const SourceFile& file, Span position) const {
        QList<FoundKey> found;
        for (const Literal& literal : valueLiterals(file.code, position))
            found << keyOf(file, literal);
        const QString expression = textOf(file.code, position);
        const QString name = passedName(expression);
        if (name.isEmpty() || isMemberAccess(expression))
            return found;
        // A local variable: the literals it is set from in its function.
        const FunctionDefinition* function = enclosingFunction(file, position.begin);
        found << literalsAssignedTo(file, name,
                                    function ? function->body : Span{0, file.code.size()});
        return found;
    }

    QList<FoundKey> literalsAssignedTo(const SourceFile& file, const QString& name,
                                       Span scope) const {
        const QRegularExpression assignment(u"\\b"_s + QRegularExpression::escape(name) +
                                            uR"(\s*(?:=(?!=)|<<)\s*)"_s);
        const QString& code = file.code;
        QList<FoundKey> found;
        for (const auto& match : assignment.globalMatch(code, scope.begin)) {
            if (match.capturedStart() >= scope.end)
                break;
            qsizetype end = match.capturedEnd();
            while (end < code.size() && !QStringLiteral(";,)}").contains(code.at(end)))
                end = pastToken(code, end);
            for (const Literal& literal : valueLiterals(code, {match.capturedEnd(), end}))
                found << keyOf(file, literal);
        }
        return found;
    }

    // Keys set on key fields outside braces: choice.messageKey = ...,
    // buttonKeys << ...
    QList<FoundKey> keysAssignedToKeyFields(const SourceFile& file) const {
        QSet<QString> names;
        for (const StructDefinition& definition : structs_)
            if (definition.isVisibleIn(file))
                for (const QString& field : definition.fields)
                    if (isKeyFieldName(field))
                        names.insert(field);
        QList<FoundKey> found;
        for (const QString& name : names)
            found << literalsAssignedTo(file, name, {0, file.code.size()});
        return found;
    }

    FoundKey keyOf(const SourceFile& file, const Literal& literal) const {
        static const QRegularExpression argument(uR"(^\.arg\(\s*(\w+)\s*\))"_s);
        FoundKey key{literal.text, {}, file.name + u':' + QString::number(file.lineAt(literal.at))};
        if (literal.after.startsWith(u'+'))
            key.text += u"%1"_s;
        const QString variable = argument.match(literal.after).captured(1);
        if (!key.text.contains(u"%1") || variable.isEmpty())
            return key;
        for (const CountingLoop& loop : loops_.value(&file))
            if (loop.variable == variable && loop.body.begin < literal.at &&
                literal.at < loop.body.end)
                for (int value = loop.first; value <= loop.last; ++value)
                    key.values << QString::number(value);
        return key;
    }

    const QList<SourceFile>& files_;
    QHash<const SourceFile*, QList<Call>> calls_;
    QList<FunctionDefinition> functions_;
    QMultiHash<QString, const FunctionDefinition*> functionsByName_;
    QHash<const SourceFile*, QList<const FunctionDefinition*>> functionsOf_;
    QList<StructDefinition> structs_;
    QHash<const SourceFile*, QList<CountingLoop>> loops_;
    QHash<const SourceFile*, QList<std::pair<const StructDefinition*, Span>>> elements_;
    QMultiHash<QString, Field> structArguments_;
    QHash<const FunctionDefinition*, QSet<qsizetype>> keyParameters_;
    QSet<Field> keyFields_;
};

QList<SourceFile> sourceFilesBelow(const QString& folder) {
    QList<SourceFile> files;
    QDirIterator it(folder, {u"*.cpp"_s, u"*.h"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            files << SourceFile{QDir(folder).relativeFilePath(file.fileName()),
                                withoutComments(QString::fromUtf8(file.readAll()))};
    }
    std::sort(files.begin(), files.end(),
              [](const SourceFile& a, const SourceFile& b) { return a.name < b.name; });
    return files;
}

const QList<FoundKey>& keysOfTheSources() {
    static const QList<SourceFile> files = sourceFilesBelow(kSourceRoot + u"/src"_s);
    static const QList<FoundKey> keys = KeyScan(files).keys();
    return keys;
}

QStringList valuesFrom(int first, int last) {
    QStringList values;
    for (int value = first; value <= last; ++value)
        values << QString::number(value);
    return values;
}

QStringList valuesOf(std::initializer_list<int> numbers) {
    QStringList values;
    for (int number : numbers)
        values << QString::number(number);
    return values;
}

// The values of the key patterns the code fills outside a counting loop.
const QMap<QString, QStringList>& patternValues() {
    static const QMap<QString, QStringList> values{
        {u"monthiItem%1.stringValue"_s, valuesFrom(1, 12)},
        {u"weekItem%1.stringValue"_s, valuesFrom(1, 7)},
        // The file list's action button, by the action it offers.
        {u"file_Item%1"_s, valuesFrom(0, 4)},
        {u"cli.help.%1"_s,
         {u"init"_s, u"status"_s, u"groups"_s, u"group"_s, u"list"_s, u"add"_s, u"hide"_s,
          u"unhide"_s, u"remove"_s, u"verify"_s, u"passwd"_s}},
        // The menu bar's items by their tags (ui/MenuBar.h).
        {u"ProMenuItem%zd.title"_s, valuesOf({1, 2, 3})},
        {u"FilemenuItem%zd.title"_s, valuesFrom(1, 5)},
        {u"EditmenuItem%zd.title"_s, valuesOf({1, 2, 3, 4, 5, 6, 7, 9, 12})},
        {u"Edit-FindMenuItem%zd.title"_s, valuesOf({1})},
        {u"Edit-TransformationMenuItem%zd.title"_s, valuesFrom(1, 3)},
        {u"FormatmenuItem%zd.title"_s, valuesFrom(1, 2)},
        {u"Format-FontMenuItem%zd.text"_s, valuesOf({1, 2, 3, 4, 5, 10, 11})},
        {u"Format-TextMenuItem%zd.text"_s, valuesFrom(1, 3)},
        {u"PasswordMenuItem%zd.title"_s, valuesFrom(1, 2)},
        {u"WindowMenuItem%zd.title"_s, valuesFrom(1, 3)},
        {u"HelpMenuItem%zd.title"_s, valuesFrom(1, 2)},
    };
    return values;
}

// The keys a found key stands for: a pattern filled with its values (those
// of its loop, else the given ones); a key, or a pattern without values, as
// it stands.
QStringList keysOf(const FoundKey& key, const QStringList& otherValues = {}) {
    const QStringList& values = key.values.isEmpty() ? otherValues : key.values;
    if (!key.isPattern() || values.isEmpty())
        return {key.text};
    QStringList keys;
    for (const QString& value : values)
        keys << QString(key.text).replace(u"%zd"_s, value).replace(u"%1"_s, value);
    return keys;
}

// ---------------------------------------------------------------------------
// The string tables.

QString translationsFolder() {
    return kSourceRoot + u"/resources/translations"_s;
}

// The messages of a table file, key and text, in their order.
QList<std::pair<QString, QString>> messagesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<std::pair<QString, QString>> messages;
    QXmlStreamReader xml(&file);
    QString key;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source")
            key = xml.readElementText();
        else if (xml.name() == u"translation")
            messages << std::pair{key, xml.readElementText()};
    }
    return messages;
}

QStringList shippedLanguageCodes() {
    QStringList codes;
    for (const QString& name :
         QDir(translationsFolder()).entryList({u"vexo_*.ts"_s}, QDir::Files, QDir::Name))
        codes << name.mid(5, name.size() - 8);
    return codes;
}

QSet<QString> matchesOf(const QRegularExpression& expression, const QString& text) {
    QSet<QString> found;
    for (const auto& match : expression.globalMatch(text))
        found.insert(match.captured());
    return found;
}

// What is wrong with a translation of the English text.
QString faultOf(const QString& english, const QString& text) {
    static const QRegularExpression placeholder(uR"(%[1-9][0-9]?)"_s);
    static const QRegularExpression option(uR"(--[a-z][a-z-]*)"_s);
    if (text.trimmed().isEmpty())
        return u"empty"_s;
    if (matchesOf(placeholder, english) != matchesOf(placeholder, text))
        return u"other placeholders"_s;
    if (english.count(u'\n') != text.count(u'\n'))
        return u"other number of lines"_s;
    if (!matchesOf(option, text).contains(matchesOf(option, english)))
        return u"options missing"_s;
    return {};
}

} // namespace

class StringTablesTest : public QObject {
    Q_OBJECT
private slots:
    // The scan on small sources, one for each way a key reaches a lookup.
    void theScanFindsTheKeysOfEachKindOfLookup_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("direct, in a condition, not in comments or inner calls")
            << QString() << uR"cpp(void show(bool b) {
    label->setText(localizedStringForKey(QStringLiteral("one")));
    text = localizedText(b ? QStringLiteral("two") : u"three"_s, {QStringLiteral("argument")});
    localizedStringForKey(keyFor(QStringLiteral("inner"), 2));
    // localizedStringForKey(QStringLiteral("commented"))
    /* localizedStringForKey(QStringLiteral("commented")) */
})cpp"_s << QStringList{u"one"_s, u"three"_s, u"two"_s};
        QTest::newRow("through helpers that hand a parameter on")
            << QString() << uR"cpp(QLabel* paneText(const QString& key, bool small) {
    return new QLabel(localizedStringForKey(key));
}
QString twice(int n, const char* titleKey) { return paneText(QString::fromLatin1(titleKey), true)->text(); }
void build() { paneText(QStringLiteral("pane"), false); twice(2, "deeper"); })cpp"_s
            << QStringList{u"deeper"_s, u"pane"_s};
        QTest::newRow("prompt requests in braces and key fields set alone")
            << uR"cpp(struct Alert {
    int style = 0;
    QString messageKey;
    QStringList messageArguments;
    QString informativeKey;
    QString informativeText;
    QStringList buttonKeys;
};
class Prompt { public: virtual int alert(const Alert& alert) = 0; };)cpp"_s
            << uR"cpp(void ask(Prompt& prompt, const QString& messageKey) {
    prompt.alert({1, messageKey, {QStringLiteral("argument")}, QStringLiteral("info"),
                  QStringLiteral("as written"), {QStringLiteral("yes"), QStringLiteral("no")}});
}
void use(Prompt& prompt) {
    ask(prompt, QStringLiteral("question"));
    Alert alert;
    alert.informativeKey = QStringLiteral("later");
    const Alert named{2, QStringLiteral("named")};
})cpp"_s << QStringList{u"info"_s, u"later"_s, u"named"_s, u"no"_s, u"question"_s, u"yes"_s};
        QTest::newRow("tables of structures")
            << QString()
            << uR"cpp(struct Row { int tag; const char* titleKey; const char* itemPattern; };
constexpr std::array<Row, 2> kRows{{{1, "first", "item%zd.title"}, {2, "second", nullptr},}};
struct Choice { int index; const char* label; };
constexpr Choice kChoices[] = {{1, "choice"}};
void show(const Choice& choice) { localizedStringForKey(QString::fromLatin1(choice.label)); })cpp"_s
            << QStringList{u"choice"_s, u"first"_s, u"item%zd.title"_s, u"second"_s};
        QTest::newRow("local variables set from literals")
            << QString() << uR"cpp(void title(bool last) {
    const QString titleKey = last ? QStringLiteral("close") : QStringLiteral("next");
    button->setText(localizedStringForKey(titleKey));
    const QString other = QStringLiteral("not looked up");
})cpp"_s << QStringList{u"close"_s, u"next"_s};
        QTest::newRow("patterns: counted by a loop, or filled with unknown values")
            << QString() << uR"cpp(void fill(int n) {
    for (int tag = 1; tag <= 3; ++tag)
        menu->addAction(localizedStringForKey(QStringLiteral("sort%1").arg(tag)));
    localizedStringForKey(QStringLiteral("month%1").arg(n));
    localizedStringForKey(QStringLiteral("state") + QString::number(n));
})cpp"_s << QStringList{u"month%1"_s, u"sort1"_s, u"sort2"_s, u"sort3"_s, u"state%1"_s};
    }

    void theScanFindsTheKeysOfEachKindOfLookup() {
        QFETCH(QString, header);
        QFETCH(QString, source);
        QFETCH(QStringList, keys);
        const QList<SourceFile> files{{u"ui/Prompt.h"_s, withoutComments(header)},
                                      {u"ui/Sample.cpp"_s, withoutComments(source)}};
        QSet<QString> found;
        for (const FoundKey& key : KeyScan(files).keys())
            for (const QString& text : keysOf(key))
                found.insert(text);
        QStringList sorted = found.values();
        sorted.sort();
        QCOMPARE(sorted, keys);
    }

    // Every key the code looks up has an English text, by source file.
    void everyKeyTheCodeLooksUpHasAnEnglishText_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("places");
        QMap<QString, std::pair<QStringList, QStringList>> byFile;
        for (const FoundKey& key : keysOfTheSources()) {
            auto& [keys, places] = byFile[key.place.section(u':', 0, 0)];
            for (const QString& text : keysOf(key, patternValues().value(key.text))) {
                keys << text;
                places << key.place;
            }
        }
        for (auto it = byFile.cbegin(); it != byFile.cend(); ++it)
            QTest::newRow(qPrintable(it.key())) << it->first << it->second;
    }

    void everyKeyTheCodeLooksUpHasAnEnglishText() {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, places);
        QSet<QString> english;
        for (const auto& [key, text] : messagesOf(translationsFolder() + u"/vexo_en.ts"_s))
            english.insert(key);
        QStringList missing;
        for (qsizetype i = 0; i < keys.size(); ++i)
            if (!english.contains(keys.at(i)))
                missing << places.at(i) + u": "_s + keys.at(i);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    }

    // The scan sees the lookups at all: many keys in many files.
    void theScanSeesTheSources() {
        QSet<QString> files;
        for (const FoundKey& key : keysOfTheSources())
            files.insert(key.place.section(u':', 0, 0));
        QVERIFY2(keysOfTheSources().size() > 200,
                 qPrintable(QString::number(keysOfTheSources().size())));
        QVERIFY2(files.size() > 30, qPrintable(QString::number(files.size())));
    }

    // A key pattern the code fills outside a counting loop needs its values
    // in patternValues(); an entry there that the code no longer uses goes.
    void everyKeyPatternHasItsValues() {
        QStringList unknown;
        QSet<QString> used;
        for (const FoundKey& key : keysOfTheSources()) {
            if (!key.isPattern() || !key.values.isEmpty())
                continue;
            used.insert(key.text);
            if (!patternValues().contains(key.text))
                unknown << key.place + u": "_s + key.text;
        }
        QVERIFY2(unknown.isEmpty(),
                 qPrintable(u"patterns without values:\n"_s + unknown.join(u'\n')));
        QStringList unused;
        for (const QString& pattern : patternValues().keys())
            if (!used.contains(pattern))
                unused << pattern;
        QVERIFY2(unused.isEmpty(),
                 qPrintable(u"values of patterns no longer used: "_s + unused.join(u' ')));
    }

    void everyLanguageOfTheLanguageTableShips() {
        for (qint64 index = 0; index <= 8; ++index)
            QVERIFY2(languageIsShipped(languageCodeForIndex(index)),
                     qPrintable(languageCodeForIndex(index)));
    }

    // Every shipped table, as built into the program, has a text for every
    // English key, with the same placeholders, lines and command-line options.
    void everyShippedLanguageHasEveryText_data() {
        QTest::addColumn<QString>("code");
        for (const QString& code : shippedLanguageCodes())
            QTest::newRow(qPrintable(code)) << code;
        QVERIFY(shippedLanguageCodes().contains(u"en"_s));
    }

    void everyShippedLanguageHasEveryText() {
        QFETCH(QString, code);
        QStringList codes;
        for (qint64 index = 0; index <= 8; ++index)
            codes << languageCodeForIndex(index);
        QVERIFY2(codes.contains(code), "a table for a language the language table lacks");
        QVERIFY(languageIsShipped(code));
        setLanguageCode(code);
        const QString absent = u"\u2205 no text"_s;
        QStringList faults;
        for (const auto& [key, english] : messagesOf(translationsFolder() + u"/vexo_en.ts"_s)) {
            const QString text = localizedStringForKey(key, absent);
            const QString fault = text == absent ? u"missing"_s : faultOf(english, text);
            if (!fault.isEmpty())
                faults << key + u": "_s + fault;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

VEXO_TEST_MAIN(StringTablesTest)
#include "tst_stringtables.moc"
