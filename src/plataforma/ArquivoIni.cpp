#include "ArquivoIni.h"

#include <QFile>
#include <QSaveFile>

namespace kelpa {

namespace {

bool ehSecao(const QString &linha, QString *nome = nullptr)
{
    const QString t = linha.trimmed();
    if (t.size() < 2 || !t.startsWith(u'[') || !t.endsWith(u']'))
        return false;
    if (nome)
        *nome = t.mid(1, t.size() - 2).trimmed();
    return true;
}

bool ehComentarioOuVazia(const QString &linha)
{
    const QString t = linha.trimmed();
    return t.isEmpty() || t.startsWith(u';') || t.startsWith(u'#');
}

QString chaveDaLinha(const QString &linha)
{
    const int igual = linha.indexOf(u'=');
    return igual < 0 ? QString() : linha.left(igual).trimmed();
}

} // namespace

ArquivoIni::ArquivoIni(QString caminho)
    : m_caminho(std::move(caminho))
{
}

bool ArquivoIni::carregar()
{
    m_linhas.clear();
    QFile arquivo(m_caminho);
    if (!arquivo.exists())
        return true;
    if (!arquivo.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = arquivo.readAll();
    // Files written by the Windows program are ANSI; ours are UTF-8.
    QString texto = QString::fromUtf8(bytes);
    if (texto.contains(QChar::ReplacementCharacter))
        texto = QString::fromLatin1(bytes);
    setTexto(texto);
    return true;
}

void ArquivoIni::setTexto(const QString &texto)
{
    QString normalizado = texto;
    normalizado.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalizado.replace(u'\r', u'\n');
    m_linhas = normalizado.split(u'\n');
    if (!m_linhas.isEmpty() && m_linhas.last().isEmpty())
        m_linhas.removeLast();
}

QString ArquivoIni::texto() const
{
    QString saida;
    for (const QString &linha : m_linhas) {
        saida += linha;
        saida += u'\n';
    }
    return saida;
}

bool ArquivoIni::salvar() const
{
    QSaveFile arquivo(m_caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    arquivo.write(texto().toUtf8());
    return arquivo.commit();
}

int ArquivoIni::linhaDaSecao(const QString &secao) const
{
    QString nome;
    for (int i = 0; i < m_linhas.size(); ++i)
        if (ehSecao(m_linhas.at(i), &nome) && nome.compare(secao, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int ArquivoIni::fimDaSecao(int linhaSecao) const
{
    int i = linhaSecao + 1;
    while (i < m_linhas.size() && !ehSecao(m_linhas.at(i)))
        ++i;
    return i;
}

int ArquivoIni::linhaDaChave(const QString &secao, const QString &chave) const
{
    const int inicio = linhaDaSecao(secao);
    if (inicio < 0)
        return -1;
    const int fim = fimDaSecao(inicio);
    for (int i = inicio + 1; i < fim; ++i) {
        const QString &linha = m_linhas.at(i);
        if (!ehComentarioOuVazia(linha) && chaveDaLinha(linha).compare(chave, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool ArquivoIni::contem(const QString &secao, const QString &chave) const
{
    return linhaDaChave(secao, chave) >= 0;
}

QString ArquivoIni::valor(const QString &secao, const QString &chave, const QString &padrao) const
{
    const int i = linhaDaChave(secao, chave);
    if (i < 0)
        return padrao;
    const QString &linha = m_linhas.at(i);
    return linha.mid(linha.indexOf(u'=') + 1).trimmed();
}

void ArquivoIni::setValor(const QString &secao, const QString &chave, const QString &valor)
{
    const int i = linhaDaChave(secao, chave);
    if (i >= 0) {
        const QString &linha = m_linhas.at(i);
        m_linhas[i] = linha.left(linha.indexOf(u'=') + 1) + valor;
        return;
    }
    const QString nova = chave + u'=' + valor;
    const int inicio = linhaDaSecao(secao);
    if (inicio < 0) {
        m_linhas << u'[' + secao + u']' << nova;
        return;
    }
    // Append after the section's last key, before any blank lines that separate sections.
    int fim = fimDaSecao(inicio);
    while (fim - 1 > inicio && m_linhas.at(fim - 1).trimmed().isEmpty())
        --fim;
    m_linhas.insert(fim, nova);
}

QList<QPair<QString, QString>> ArquivoIni::secao(const QString &secao) const
{
    QList<QPair<QString, QString>> pares;
    const int inicio = linhaDaSecao(secao);
    if (inicio < 0)
        return pares;
    const int fim = fimDaSecao(inicio);
    for (int i = inicio + 1; i < fim; ++i) {
        const QString &linha = m_linhas.at(i);
        if (ehComentarioOuVazia(linha) || !linha.contains(u'='))
            continue;
        pares.append({chaveDaLinha(linha), linha.mid(linha.indexOf(u'=') + 1).trimmed()});
    }
    return pares;
}

} // namespace kelpa
