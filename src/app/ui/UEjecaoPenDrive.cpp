#include "app/ui/UEjecaoPenDrive.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDir>
#include <QFileInfo>
#include <QVariantMap>

#include "panel/UErro.h"

using namespace Qt::StringLiterals;

namespace {
const QString servico = u"org.freedesktop.UDisks2"_s;

[[noreturn]] void falha(const TUnidadeRemovivel &unidade, const QString &motivo)
{
    throw TErro(u"ATENÇÃO:\r\nNão foi possível ejetar o pen drive %1 (%2): %3.\r\nFeche o que o estiver usando e "
                u"tente de novo, ou remova-o pelo sistema."_s.arg(unidade.Nome(),
                                                                   QDir::toNativeSeparators(unidade.Pasta), motivo));
}
}

namespace TEjecaoPenDrive {

bool Disponivel()
{
    QDBusConnection barramento = QDBusConnection::systemBus();
    return barramento.isConnected() && barramento.interface()
           && barramento.interface()->isServiceRegistered(servico).value();
}

void Ejetar(const TUnidadeRemovivel &unidade)
{
    QDBusConnection barramento = QDBusConnection::systemBus();
    // The service names a block device after its kernel name: /dev/sdb1 is block_devices/sdb1.
    const QString bloco = u"/org/freedesktop/UDisks2/block_devices/"_s
                          + QFileInfo(QFileInfo(unidade.Dispositivo).canonicalFilePath()).fileName();
    QDBusInterface sistemaDeArquivos(servico, bloco, u"org.freedesktop.UDisks2.Filesystem"_s, barramento);
    const QDBusReply<void> desmontado = sistemaDeArquivos.call(u"Unmount"_s, QVariantMap());
    if (!desmontado.isValid())
        falha(unidade, desmontado.error().message());
    QDBusInterface dispositivo(servico, bloco, u"org.freedesktop.UDisks2.Block"_s, barramento);
    const auto drive = dispositivo.property("Drive").value<QDBusObjectPath>();
    if (drive.path().isEmpty() || drive.path() == u"/"_s)
        return; // unmounted; a drive the service cannot power off is safe to pull out now
    QDBusInterface unidadeFisica(servico, drive.path(), u"org.freedesktop.UDisks2.Drive"_s, barramento);
    const QDBusReply<void> desligado = unidadeFisica.call(u"PowerOff"_s, QVariantMap());
    if (!desligado.isValid())
        falha(unidade, desligado.error().message());
}

}
