#include "config/KeyJobs.h"

#include "config/ConsoleKeys.h"

#include <algorithm>

namespace quelmar {

KeyOrigin originOf(Section section) {
    switch (section) {
    case Section::Commands:
        return KeyOrigin::Commands;
    case Section::BuyWeapons:
        return KeyOrigin::Weapons;
    default:
        return KeyOrigin::Program;
    }
}

KeyJobs::KeyJobs(const QList<ScriptPiece>& pieces, ConsoleModel::Files files) {
    // One text, as the saved file holds it; each piece starts on a line of
    // its own.
    QByteArray script;
    QList<qsizetype> starts;
    for (const ScriptPiece& piece : pieces) {
        if (!script.isEmpty() && !script.endsWith('\n'))
            script += "\r\n";
        starts.append(script.size());
        script += piece.bytes;
    }
    ConsoleModel model(std::move(files));
    model.run(script);
    // The piece that holds the script's own command behind an entry.
    const auto originOfEntry = [&](const ConsoleEntry& entry) {
        const qint32 at = model.tops().at(entry.source.top).begin;
        const auto after = std::upper_bound(starts.begin(), starts.end(), qsizetype(at));
        const qsizetype piece = after - starts.begin() - 1;
        return piece >= 0 ? pieces[piece].origin : KeyOrigin::Program;
    };

    const ConsoleKeys& keys = ConsoleKeys::embedded();
    for (auto b = model.binds().cbegin(); b != model.binds().cend(); ++b) {
        KeyJob job;
        job.key = b.key();
        job.name = model.bytes(b->name).toByteArray();
        job.command = model.valueOf(*b);
        job.origin = originOfEntry(*b);
        for (const ConsoleEntry& earlier : model.replacedBinds(b.key()))
            job.replaced.append({model.valueOf(earlier), originOfEntry(earlier)});
        job.unknown = ConsoleModel::isUnknownKey(job.key);
        if (job.unknown)
            job.meant = keys.keyOf(keys.consoleNameFor(job.name));
        jobs_.append(job);
    }
    std::sort(jobs_.begin(), jobs_.end(), [&](const KeyJob& a, const KeyJob& b) {
        const int ra = keys.rank(a.key), rb = keys.rank(b.key);
        return ra != rb ? ra < rb : a.key < b.key;
    });
}

bool KeyJob::clashes() const {
    return std::any_of(replaced.begin(), replaced.end(),
                       [&](const Earlier& e) { return e.command != command; });
}

QByteArray KeyJobs::keyOfName(QByteArrayView name) {
    QByteArray key = ConsoleModel::keyIdentity(name);
    if (ConsoleModel::isUnknownKey(key)) {
        const ConsoleKeys& keys = ConsoleKeys::embedded();
        if (QByteArray meant = keys.keyOf(keys.consoleNameFor(name)); !meant.isEmpty())
            return meant;
    }
    return key;
}

std::optional<KeyJob::Earlier> KeyJobs::heldElsewhere(QByteArrayView name, KeyOrigin own) const {
    for (const KeyJob* job : on(keyOfName(name))) {
        if (job->origin != own)
            return KeyJob::Earlier{job->command, job->origin};
        for (auto e = job->replaced.crbegin(); e != job->replaced.crend(); ++e) {
            if (e->origin != own)
                return *e;
        }
    }
    return std::nullopt;
}

const KeyJob* KeyJobs::find(QByteArrayView key) const {
    const auto found =
        std::find_if(jobs_.begin(), jobs_.end(), [&](const KeyJob& job) { return job.key == key; });
    return found == jobs_.end() ? nullptr : &*found;
}

QList<const KeyJob*> KeyJobs::on(QByteArrayView key) const {
    QList<const KeyJob*> here;
    if (const KeyJob* job = find(key))
        here.append(job);
    for (const KeyJob& job : jobs_) {
        if (job.unknown && !job.meant.isEmpty() && job.meant == key)
            here.append(&job);
    }
    return here;
}

} // namespace quelmar
