# SPDX-License-Identifier: LicenseRef-proprietary
"""Shred with Wypelark, in the Files (Nautilus) menu, through the python3-nautilus extension
system: a script in the user's scripts folder cannot be installed by a package, an extension
in the system's extensions folder can. The chosen local files and folders go into Wypelark's
deletion list; nothing is destroyed before the window's own Delete and its question."""

import subprocess

from gi.repository import GLib, GObject, Nautilus

# The entry's name in the languages Wypelark speaks; English for every other.
LABELS = {
    "pl": "Zniszcz programem Wypelark",
    "de": "Mit Wypelark vernichten",
}


def label_for(language_names):
    """The entry's name in the first of the person's languages that has one ("de_AT" takes
    "de"), as GLib orders them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG."""
    for name in language_names:
        language = name.split(".")[0].split("@")[0].split("_")[0]
        if language in LABELS:
            return LABELS[language]
        if language in ("C", "POSIX", "en"):
            break
    return "Shred with Wypelark"


class WypelarkShred(GObject.GObject, Nautilus.MenuProvider):
    @staticmethod
    def _local_paths(files):
        paths = []
        for chosen in files:
            location = chosen.get_location()
            path = location.get_path() if location is not None else None
            # A remote or virtual entry has no path of its own: the entry is not offered.
            if path is None:
                return []
            paths.append(path)
        return paths

    @staticmethod
    def _open(_item, paths):
        # The paths go as the file system's bytes; "--" keeps a name from being read as an option.
        subprocess.Popen(["wypelark", "--", *paths], start_new_session=True)

    def get_file_items(self, *args):
        # Files 43 and later give the files alone; earlier versions the window first.
        paths = self._local_paths(args[-1])
        if not paths:
            return []
        item = Nautilus.MenuItem(
            name="WypelarkShred::shred",
            label=label_for(GLib.get_language_names()),
            icon="org.example.Wypelark",
        )
        item.connect("activate", self._open, paths)
        return [item]
