#pragma once

#include <QString>
#include <stdexcept>

namespace kelpa {

// A database statement that failed. `mensagem()` is the Portuguese text for the user;
// `detalhe()` carries the driver's words and the statement, for the "E R R O" box.
class ErroBanco : public std::runtime_error
{
public:
    explicit ErroBanco(const QString &mensagem, const QString &detalhe = {})
        : std::runtime_error((mensagem + (detalhe.isEmpty() ? QString() : QStringLiteral("\n") + detalhe)).toStdString())
        , m_mensagem(mensagem)
        , m_detalhe(detalhe)
    {
    }
    QString mensagem() const { return m_mensagem; }
    QString detalhe() const { return m_detalhe; }
    QString textoCompleto() const { return QString::fromStdString(what()); }

private:
    QString m_mensagem;
    QString m_detalhe;
};

} // namespace kelpa
