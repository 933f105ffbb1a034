#include "DefinicaoTabelaSqlite.h"

#include "app/banco/ErroBanco.h"

#include <QStringList>

namespace kelpa {

namespace {

struct Token {
    enum Tipo { Palavra, Citado, Texto, Simbolo };
    Tipo tipo;
    qsizetype inicio;
    qsizetype fim;
};

bool charDePalavra(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

// Position just after the quoted text that starts at `i` and ends with `fecha`
// (a doubled `fecha` stands for itself); the end of the text when unterminated.
qsizetype fimCitacao(const QString &s, qsizetype i, QChar fecha)
{
    qsizetype j = i + 1;
    while (j < s.size()) {
        if (s.at(j) == fecha) {
            if (fecha != u']' && j + 1 < s.size() && s.at(j + 1) == fecha) {
                j += 2;
                continue;
            }
            return j + 1;
        }
        ++j;
    }
    return s.size();
}

QChar fechamento(QChar abre)
{
    return abre == u'[' ? QChar(u']') : abre;
}

bool abreCitacao(QChar c)
{
    return c == u'\'' || c == u'"' || c == u'`' || c == u'[';
}

// Comments become one space, so that element texts can be joined on one line.
QString semComentarios(const QString &s)
{
    QString r;
    r.reserve(s.size());
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s.at(i);
        if (abreCitacao(c)) {
            const qsizetype f = fimCitacao(s, i, fechamento(c));
            r += s.mid(i, f - i);
            i = f;
        } else if (c == u'-' && i + 1 < s.size() && s.at(i + 1) == u'-') {
            while (i < s.size() && s.at(i) != u'\n')
                ++i;
            r += u' ';
        } else if (c == u'/' && i + 1 < s.size() && s.at(i + 1) == u'*') {
            const qsizetype f = s.indexOf(QStringLiteral("*/"), i + 2);
            i = f < 0 ? s.size() : f + 2;
            r += u' ';
        } else {
            r += c;
            ++i;
        }
    }
    return r;
}

QList<Token> tokens(const QString &s)
{
    QList<Token> lista;
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (abreCitacao(c)) {
            const qsizetype f = fimCitacao(s, i, fechamento(c));
            lista.append({c == u'\'' ? Token::Texto : Token::Citado, i, f});
            i = f;
        } else if (charDePalavra(c)) {
            qsizetype f = i;
            while (f < s.size() && charDePalavra(s.at(f)))
                ++f;
            lista.append({Token::Palavra, i, f});
            i = f;
        } else {
            lista.append({Token::Simbolo, i, i + 1});
            ++i;
        }
    }
    return lista;
}

QString textoToken(const QString &s, const Token &t)
{
    return s.mid(t.inicio, t.fim - t.inicio);
}

QString palavra(const QString &s, const Token &t)
{
    return t.tipo == Token::Palavra ? textoToken(s, t).toUpper() : QString();
}

bool simbolo(const QString &s, const Token &t, QChar c)
{
    return t.tipo == Token::Simbolo && s.at(t.inicio) == c;
}

QString nomeDoToken(const QString &s, const Token &t)
{
    const QString texto = textoToken(s, t);
    if (t.tipo != Token::Citado || texto.size() < 2)
        return texto;
    const QChar abre = texto.at(0);
    const QChar fecha = fechamento(abre);
    QString nome = texto.mid(1, texto.size() - 2);
    if (abre != u'[')
        nome.replace(QString(2, fecha), QString(fecha));
    return nome;
}

bool iniciaRestricaoDeTabela(const QString &primeira)
{
    static const QStringList palavras = {QStringLiteral("CONSTRAINT"), QStringLiteral("PRIMARY"),
                                         QStringLiteral("UNIQUE"), QStringLiteral("CHECK"), QStringLiteral("FOREIGN")};
    return palavras.contains(primeira);
}

// Where the type of a column definition is written: [inicio, fim) in the element's
// text; inicio == fim just after the name when the column has no type.
struct FaixaTipo {
    qsizetype fimNome = 0;
    qsizetype inicio = 0;
    qsizetype fim = 0;
};

FaixaTipo faixaTipo(const QString &texto)
{
    static const QStringList restricoes = {
        QStringLiteral("CONSTRAINT"), QStringLiteral("PRIMARY"), QStringLiteral("NOT"),
        QStringLiteral("NULL"), QStringLiteral("UNIQUE"), QStringLiteral("CHECK"),
        QStringLiteral("DEFAULT"), QStringLiteral("COLLATE"), QStringLiteral("REFERENCES"),
        QStringLiteral("GENERATED"), QStringLiteral("AS")};
    const QList<Token> t = tokens(texto);
    FaixaTipo f;
    if (t.isEmpty())
        return f;
    f.fimNome = t.first().fim;
    f.inicio = f.fim = f.fimNome;
    qsizetype i = 1;
    while (i < t.size() && t.at(i).tipo == Token::Palavra && !restricoes.contains(palavra(texto, t.at(i)))) {
        if (i == 1)
            f.inicio = t.at(i).inicio;
        f.fim = t.at(i).fim;
        ++i;
    }
    if (i > 1 && i < t.size() && simbolo(texto, t.at(i), u'(')) {
        int nivel = 0;
        for (; i < t.size(); ++i) {
            if (simbolo(texto, t.at(i), u'('))
                ++nivel;
            else if (simbolo(texto, t.at(i), u')') && --nivel == 0) {
                f.fim = t.at(i).fim;
                break;
            }
        }
    }
    return f;
}

[[noreturn]] void naoEntendida(const QString &sql)
{
    throw ErroBanco(QStringLiteral("Definição de tabela não reconhecida."), sql);
}

} // namespace

DefinicaoTabelaSqlite DefinicaoTabelaSqlite::ler(const QString &sql)
{
    const QString s = semComentarios(sql);
    const QList<Token> t = tokens(s);
    if (t.size() < 4 || palavra(s, t.at(0)) != QLatin1String("CREATE"))
        naoEntendida(sql);
    qsizetype abre = -1;
    for (qsizetype i = 1; i < t.size(); ++i) {
        if (palavra(s, t.at(i)) == QLatin1String("AS"))
            naoEntendida(sql); // CREATE TABLE ... AS SELECT has no column list to carry over
        if (simbolo(s, t.at(i), u'(')) {
            abre = i;
            break;
        }
    }
    if (abre < 0)
        naoEntendida(sql);

    DefinicaoTabelaSqlite d;
    int nivel = 0;
    qsizetype inicioElemento = t.at(abre).fim;
    qsizetype fecha = -1;
    auto fecharElemento = [&](qsizetype fim) {
        const QString texto = s.mid(inicioElemento, fim - inicioElemento).trimmed();
        if (texto.isEmpty())
            naoEntendida(sql);
        Elemento e;
        e.texto = texto;
        const QList<Token> te = tokens(texto);
        e.restricao = iniciaRestricaoDeTabela(palavra(texto, te.first()));
        if (!e.restricao)
            e.coluna = nomeDoToken(texto, te.first());
        d.m_elementos.append(e);
    };
    for (qsizetype i = abre + 1; i < t.size(); ++i) {
        if (simbolo(s, t.at(i), u'(')) {
            ++nivel;
        } else if (simbolo(s, t.at(i), u')')) {
            if (nivel == 0) {
                fecharElemento(t.at(i).inicio);
                fecha = i;
                break;
            }
            --nivel;
        } else if (nivel == 0 && simbolo(s, t.at(i), u',')) {
            fecharElemento(t.at(i).inicio);
            inicioElemento = t.at(i).fim;
        }
    }
    if (fecha < 0)
        naoEntendida(sql);
    d.m_sufixo = s.mid(t.at(fecha).fim).trimmed();
    if (d.m_sufixo.endsWith(u';'))
        d.m_sufixo.chop(1);
    return d;
}

qsizetype DefinicaoTabelaSqlite::indiceColuna(const QString &nome) const
{
    for (qsizetype i = 0; i < m_elementos.size(); ++i) {
        const Elemento &e = m_elementos.at(i);
        if (!e.restricao && e.coluna.compare(nome, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString DefinicaoTabelaSqlite::tipoColuna(qsizetype indice) const
{
    const QString &texto = m_elementos.at(indice).texto;
    const FaixaTipo f = faixaTipo(texto);
    return texto.mid(f.inicio, f.fim - f.inicio);
}

void DefinicaoTabelaSqlite::alterarTipo(qsizetype indice, const QString &tipo)
{
    Elemento &e = m_elementos[indice];
    const FaixaTipo f = faixaTipo(e.texto);
    const QString resto = e.texto.mid(f.fim).trimmed();
    e.texto = e.texto.left(f.fimNome) + u' ' + tipo + (resto.isEmpty() ? QString() : u' ' + resto);
}

void DefinicaoTabelaSqlite::exigirNaoNulo(qsizetype indice)
{
    Elemento &e = m_elementos[indice];
    const QList<Token> t = tokens(e.texto);
    for (qsizetype i = 0; i + 1 < t.size(); ++i) {
        if (palavra(e.texto, t.at(i)) == QLatin1String("NOT") && palavra(e.texto, t.at(i + 1)) == QLatin1String("NULL"))
            return;
    }
    e.texto += QStringLiteral(" NOT NULL");
}

void DefinicaoTabelaSqlite::adicionarColuna(const QString &definicao)
{
    // Column definitions come before the table constraints.
    qsizetype posicao = 0;
    for (qsizetype i = 0; i < m_elementos.size(); ++i) {
        if (!m_elementos.at(i).restricao)
            posicao = i + 1;
    }
    Elemento e;
    e.texto = definicao;
    e.coluna = nomeDoToken(definicao, tokens(definicao).first());
    m_elementos.insert(posicao, e);
}

void DefinicaoTabelaSqlite::adicionarRestricao(const QString &definicao)
{
    Elemento e;
    e.texto = definicao;
    e.restricao = true;
    m_elementos.append(e);
}

bool DefinicaoTabelaSqlite::temRestricao(const QString &nome) const
{
    for (const Elemento &e : m_elementos) {
        const QList<Token> t = tokens(e.texto);
        for (qsizetype i = 0; i + 1 < t.size(); ++i) {
            if (palavra(e.texto, t.at(i)) == QLatin1String("CONSTRAINT")
                && nomeDoToken(e.texto, t.at(i + 1)).compare(nome, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

QString DefinicaoTabelaSqlite::criar(const QString &tabela) const
{
    QStringList textos;
    for (const Elemento &e : m_elementos)
        textos << e.texto;
    return QStringLiteral("CREATE TABLE %1 (\n  %2\n)%3")
        .arg(citado(tabela), textos.join(QStringLiteral(",\n  ")),
             m_sufixo.isEmpty() ? QString() : QStringLiteral(" ") + m_sufixo);
}

QString DefinicaoTabelaSqlite::citado(const QString &nome)
{
    QString n = nome;
    n.replace(u'"', QStringLiteral("\"\""));
    return u'"' + n + u'"';
}

} // namespace kelpa
