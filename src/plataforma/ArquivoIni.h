#pragma once

#include <QString>
#include <QStringList>

namespace kelpa {

// Reads and writes Windows-style INI files the way a person edits them: every line
// that is not touched stays as it was, section and key look-ups ignore case, and an
// update rewrites the value in place. QSettings would reorder keys and escape
// backslashes, which breaks files shared with the Windows program.
class ArquivoIni
{
public:
    ArquivoIni() = default;
    explicit ArquivoIni(QString caminho);

    // Loads the file; a missing file gives an empty document. Returns false only when
    // the file exists and cannot be read.
    bool carregar();
    // Writes atomically (never leaves half a file in place). Lines end in "\n".
    bool salvar() const;

    QString caminho() const { return m_caminho; }
    void setTexto(const QString &texto);
    QString texto() const;

    bool contem(const QString &secao, const QString &chave) const;
    QString valor(const QString &secao, const QString &chave, const QString &padrao = {}) const;
    // Updates the key in place, or appends it to its section (the section is created at the end when missing).
    void setValor(const QString &secao, const QString &chave, const QString &valor);
    // All key=value pairs of one section, in file order.
    QList<QPair<QString, QString>> secao(const QString &secao) const;

private:
    int linhaDaSecao(const QString &secao) const;
    int fimDaSecao(int linhaSecao) const;
    int linhaDaChave(const QString &secao, const QString &chave) const;

    QString m_caminho;
    QStringList m_linhas;
};

} // namespace kelpa
