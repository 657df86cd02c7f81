# SPDX-License-Identifier: LicenseRef-proprietary
"""Shred with Wypelark, in the Files (Nautilus) menu, through the python3-nautilus extension
system: a script in the user's scripts folder cannot be installed by a package, an extension
in the system's extensions folder can. The chosen local files and folders go into Wypelark's
deletion list; nothing is destroyed before the window's own Delete and its question."""

import subprocess

from gi.repository import GObject, Nautilus


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
            label="Shred with Wypelark",
            icon="org.example.Wypelark",
        )
        item.connect("activate", self._open, paths)
        return [item]
