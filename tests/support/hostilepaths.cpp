#include "support/hostilepaths.h"

#include <QFile>

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

QList<HostilePath> hostilePaths(TempTree& tree, const QString& name, const QByteArray& content, qint64 oversize)
{
    const QString dot = name.contains(QLatin1Char('.')) ? name.mid(name.lastIndexOf(QLatin1Char('.'))) : QString();
    const QString base = name.left(name.size() - dot.size());
    const auto at = [&](const char* kind) { return tree.at(base + QLatin1Char(' ') + QLatin1String(kind) + dot); };

    QList<HostilePath> paths;
    const QString fifo = at("fifo");
    EXPECT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    paths.append({"a FIFO", fifo});
    paths.append({"/dev/zero", QStringLiteral("/dev/zero")});
    paths.append({"a folder", tree.folder(base + QStringLiteral(" folder") + dot)});
    const QString dangling = at("dangling");
    EXPECT_EQ(::symlink(QFile::encodeName(tree.at(QStringLiteral("nothing here"))).constData(),
                        QFile::encodeName(dangling).constData()), 0);
    paths.append({"a link to nothing", dangling});
    const QString unreadable = tree.file(base + QStringLiteral(" unreadable") + dot, content);
    EXPECT_EQ(::chmod(QFile::encodeName(unreadable).constData(), 0), 0);
    paths.append({"an unreadable file", unreadable});
    if (oversize > 0) {
        const QString huge = tree.file(base + QStringLiteral(" oversized") + dot, content);
        EXPECT_EQ(::truncate(QFile::encodeName(huge).constData(), off_t(oversize)), 0);
        paths.append({"an oversized file", huge});
    }
    return paths;
}

namespace {

bool capabilities(__user_cap_data_struct (&data)[2], bool set)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}

constexpr quint32 kReadOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

} // namespace

PermissionsApply::PermissionsApply()
{
    if (::geteuid() != 0)
        return;
    __user_cap_data_struct data[2] = {};
    if (!capabilities(data, false))
        return;
    data[0].effective &= ~kReadOverrides;
    dropped_ = capabilities(data, true);
    EXPECT_TRUE(dropped_) << "the read permission overrides could not be dropped";
}

PermissionsApply::~PermissionsApply()
{
    if (!dropped_)
        return;
    __user_cap_data_struct data[2] = {};
    if (capabilities(data, false)) {
        data[0].effective |= kReadOverrides & data[0].permitted;
        capabilities(data, true);
    }
}
