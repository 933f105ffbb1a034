#pragma once

#include <QString>

namespace kelpa {

// Where the transmission client is installed. The first source that names a path
// decides: the environment variable KELPA_VTX_PATH, then the key PATH of
// $XDG_CONFIG_HOME/QOR/VTX.conf (~/.config when unset), then of /etc/xdg/QOR/VTX.conf.
// A VTX.conf is "PATH=/full/path/of/VTX" on a line of its own, at the top or in any
// section (QSettings writes it under [General]).
namespace LocalizacaoVTX {

QString variavelAmbiente(); // "KELPA_VTX_PATH"
QString arquivoConfUsuario();
QString arquivoConfSistema();

// The value of PATH in a VTX.conf; empty when the file or the key is missing.
QString lerChavePath(const QString &arquivoConf);

// The configured path, empty when no source names one. `arquivoSistema` stands for
// /etc/xdg/QOR/VTX.conf (tests give another).
QString configurado(const QString &arquivoSistema = arquivoConfSistema());

// The configured path when that file exists; otherwise throws ErroBanco with
// "O VTX não está instalado ou sua instalação foi danificada!".
QString localizar(const QString &arquivoSistema = arquivoConfSistema());

} // namespace LocalizacaoVTX

} // namespace kelpa
