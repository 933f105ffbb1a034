#pragma once

#include <QString>

namespace kelpa {

// A temporary file that only its owner may read or write, removed when the object
// goes away, whatever path left the scope (an exception included). Holds no open
// handle: other code (SQLite, a cipher) opens it by its path.
class ArquivoTemporario
{
public:
    // Creates an empty file in `diretorio` with a unique name made from `modelo`,
    // whose "XXXXXX" is replaced (e.g. "Expt_Kelpa-XXXXXX.db"). Check `criado()`.
    ArquivoTemporario(const QString &diretorio, const QString &modelo);
    ~ArquivoTemporario();
    ArquivoTemporario(const ArquivoTemporario &) = delete;
    ArquivoTemporario &operator=(const ArquivoTemporario &) = delete;

    bool criado() const { return !m_caminho.isEmpty(); }
    QString caminho() const { return m_caminho; }
    QString erro() const { return m_erro; } // why creating failed

    // Removes the file now; true when it is gone.
    bool remover();

private:
    QString m_caminho;
    QString m_erro;
};

} // namespace kelpa
