"""The Python module: each function once, each kind of failure once, two reads in threads."""

import datetime
import errno
import hashlib
import os
import pathlib
import tempfile
import threading
import unittest

import tarin_translator as tt

FLASH = bytes(range(256)) * 24
EEPROM = b"\x5a" * 512
NAME = "Fleet \u00e9t\u00e9"


class TarinTranslatorTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.dir = pathlib.Path(cls.tmp.name)
        # One plan of each group, written from image bytes.
        cls.plans = {}
        for key, kind in {"classic": {}, "hazard": {"radio_type": 146},
                          "mobile": {"mobile": True}}.items():
            tt.write_plan(cls.dir / key, flash=FLASH, eeprom=EEPROM, name=NAME, **kind)
            cls.plans[key] = cls.dir / f"{key}.xml"

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def path(self, name):
        return self.dir / name

    def test_write_plan_takes_images_and_platforms_from_paths_or_bytes(self):
        (self.dir / "img.fl").write_bytes(FLASH)
        (self.dir / "img.ee").write_bytes(EEPROM)
        platform = tt.defaults(radio_type=146)
        cases = {
            "bytes": dict(flash=FLASH, eeprom=EEPROM),
            "paths": dict(flash=self.path("img.fl"), eeprom=str(self.path("img.ee"))),
            "mixed": dict(flash=bytearray(FLASH), eeprom=self.path("img.ee")),
            "beside base": dict(),
            "platform bytes": dict(platform=platform.encode(), flash=FLASH, eeprom=EEPROM),
        }
        for case, args in cases.items():
            with self.subTest(case):
                base = self.path("img" if case == "beside base" else case.replace(" ", "_"))
                self.assertEqual(tt.write_plan(base, radio_type=146, **args), [])
                plan = tt.info(f"{base}.xml", with_images=True)
                self.assertEqual((plan.flash.data, plan.eeprom.data), (FLASH, EEPROM))
                self.assertEqual(plan.flash.sha256, hashlib.sha256(FLASH).hexdigest())
        self.assertEqual(sorted(p.name for p in self.dir.iterdir() if p.name.startswith("img")),
                         ["img.ee", "img.fl", "img.xml"])

    def test_unpack_check_and_info(self):
        for key, plan in self.plans.items():
            as_ = {"hazard": {"radio_type": 146}, "mobile": {"mobile": True}}.get(key, {})
            for source in (plan, plan.read_bytes()):
                with self.subTest(key, source=type(source).__name__):
                    self.assertEqual(tt.check(source, **as_), [])
                    base = self.path(f"out-{key}")
                    self.assertEqual(tt.unpack(source, base, **as_), [])
                    self.assertEqual(self.path(f"out-{key}.fl").read_bytes(), FLASH)
                    self.assertEqual(self.path(f"out-{key}.ee").read_bytes(), EEPROM)
                    info = tt.info(source)
                    self.assertEqual((info.texts["name"], info.group, info.check.ok),
                                     (NAME, key, True))
                    self.assertEqual(info.read_as, tt.ReadAs(**as_))
                    self.assertEqual((info.flash.size, info.flash.data), (len(FLASH), None))
        nothing = tt.info(b"<missionPlan/>")
        self.assertEqual((nothing.mission_load, nothing.check.ok), (None, False))
        self.assertEqual(nothing.check.reason.code, "missing-element")

    def test_settings(self):
        plan = self.plans["hazard"]
        settings = tt.get_settings(plan)
        path, value = next(iter(settings.items()))
        self.assertEqual(tt.get_settings(plan, path), {path: value})
        config = tt.read(plan.read_bytes())
        self.assertTrue(config.ok and config.is_plan)
        self.assertEqual(config.settings(), settings)
        self.assertEqual(config.plan.texts["name"], NAME)
        self.assertEqual(config.plan.eeprom.size, len(EEPROM))
        zone = "TimeDateCfg/@zone"
        description = tt.describe(zone, radio_type=146)[0]
        other = next(n for n in description.names if n != settings[zone])
        out = self.path("changed.xml")
        self.assertEqual(tt.set_settings(plan, {zone: other}, output=out, name="B"), [])
        self.assertEqual(tt.get_settings(out, zone), {zone: other})
        self.assertEqual(tt.set_settings(out, [f"{zone}={settings[zone]}"], output=out), [])
        self.assertEqual(tt.diff(plan, tt.read(out)), tt.diff(plan, out))
        self.assertEqual([(d.path, d.b) for d in tt.diff(plan, out)], [("name", "B")])
        self.assertEqual(tt.diff(plan, plan), [])
        self.assertIn("<platformConfig>", tt.defaults(mobile=True))
        self.assertIn("xs:schema", tt.schema(radio_type=146))

    def test_read_errors(self):
        cases = [
            ("not well-formed", lambda: tt.check(b"<missionPlan>"), "not-well-formed", 1),
            ("info not well-formed", lambda: tt.info(b"<a>"), "not-well-formed", 1),
            ("wrong kind", lambda: tt.check(self.plans["mobile"]), None, 0),
            ("bad platform", lambda: tt.write_plan(
                self.path("x"), platform=b"<platformConfig><a", flash=FLASH, eeprom=EEPROM),
             "not-well-formed", 1),
            ("no setting", lambda: tt.get_settings(self.plans["classic"], "No/@such"),
             "no-setting", 0),
            ("describe nothing", lambda: tt.describe("No/@such"), "no-setting", 0),
            ("batch stops", lambda: tt.batch(self.plans["hazard"], self.fleet(
                "unknown", "base,No/@such\nr1,x\n"), self.path("unknown-out")), "no-setting", 1),
            ("bad value", lambda: tt.set_settings(
                self.plans["hazard"], {"TimeDateCfg/@zone": "nowhere"}, output=self.path("y")),
             None, 0),
        ]
        for case, call, code, line in cases:
            with self.subTest(case), self.assertRaises(tt.ReadError) as caught:
                call()
            error = caught.exception
            self.assertIsInstance(error, ValueError)
            self.assertTrue(error.reason and error.code and error.code != "none")
            if code:
                self.assertEqual(error.code, code)
            self.assertGreaterEqual(error.line, line)
            self.assertIsInstance(error.column, int)
        self.assertFalse(self.path("y").exists() or self.path("x.xml").exists()
                         or self.path("unknown-out").exists())

    def test_file_errors(self):
        missing = self.path("missing")
        (self.path("dir.xml")).mkdir(exist_ok=True)
        cases = [
            ("missing document", lambda: tt.check(missing), FileNotFoundError, missing),
            ("directory", lambda: tt.info(self.dir), IsADirectoryError, self.dir),
            ("missing image", lambda: tt.write_plan(self.path("z"), flash=missing, eeprom=EEPROM),
             FileNotFoundError, missing),
            ("missing folder", lambda: tt.unpack(self.plans["classic"], missing / "out"),
             FileNotFoundError, None),
            ("output is a folder", lambda: tt.write_plan(self.path("dir"), flash=FLASH,
                                                         eeprom=EEPROM), IsADirectoryError,
             self.path("dir.xml")),
            ("set of a missing file", lambda: tt.set_settings(missing, {}, output=missing),
             FileNotFoundError, missing),
        ]
        for case, call, kind, name in cases:
            with self.subTest(case), self.assertRaises(kind) as caught:
                call()
            self.assertIn(caught.exception.errno, (errno.ENOENT, errno.EISDIR))
            if name is not None:
                self.assertEqual(caught.exception.filename, str(name))

    def test_argument_errors(self):
        cases = [
            ("text XML cannot hold", lambda: tt.write_plan(self.path("t"), name="\x01"),
             ValueError),
            ("not PATH=VALUE", lambda: tt.set_settings(self.plans["classic"], ["zone"],
                                                       output=self.path("t")), ValueError),
            ("unknown text", lambda: tt.write_plan(self.path("t"), title="x"), TypeError),
            ("negative radio type", lambda: tt.defaults(radio_type=-1), TypeError),
            ("date before 1970", lambda: tt.batch("t", "f", "o", date=-1), ValueError),
            ("date as a text", lambda: tt.batch("t", "f", "o", date="2026-01-02"), TypeError),
        ]
        for case, call, kind in cases:
            with self.subTest(case), self.assertRaises(kind):
                call()

    def test_message_sink(self):
        # A version stamp other than the library's: a warning note, and a message.
        document = self.plans["hazard"].read_bytes().replace(b"'v4.000'", b"'v3.000'")
        messages = []
        tt.set_message_sink(lambda kind, text: messages.append(kind))
        try:
            notes = tt.check(document, radio_type=146)
        finally:
            tt.set_message_sink(None)
        self.assertEqual([n.code for n in notes], ["version-mismatch"])
        self.assertGreater(notes[0].line, 1)
        self.assertEqual(messages, ["warning"])
        tt.check(document, radio_type=146)
        self.assertEqual(messages, ["warning"])

    def test_two_reads_in_threads(self):
        # Each read blocks on its FIFO inside the library until the main thread feeds it:
        # the GIL must be free while both wait.
        documents = [self.plans["classic"].read_bytes(), self.plans["hazard"].read_bytes()]
        fifos = [self.path(f"fifo{i}") for i in range(2)]
        results = [None, None]

        def read(i):
            results[i] = tt.info(fifos[i])

        for fifo in fifos:
            os.mkfifo(fifo)
        threads = [threading.Thread(target=read, args=(i,)) for i in range(2)]
        for thread in threads:
            thread.start()
        for fifo, document in zip(reversed(fifos), reversed(documents)):
            fifo.write_bytes(document)
        for thread in threads:
            thread.join(60)
        self.assertEqual([r.group for r in results], ["classic", "hazard"])
        self.assertTrue(all(r.check.ok for r in results))

    def fleet(self, name, text):
        """A fleet file in its own folder, beside an image own.fl."""
        folder = self.path(name)
        folder.mkdir()
        (folder / "own.fl").write_bytes(EEPROM)
        (folder / "fleet.csv").write_text(text)
        return folder / "fleet.csv"

    def test_batch(self):
        plan = self.plans["hazard"]
        fleet = self.fleet("fleet", "base,name,TimeDateCfg/@zone,fl\n"
                                    "r1,One,,\nr2,,Mars,\nr3,,,own.fl\n")
        template = hashlib.sha256(plan.read_bytes()).hexdigest()
        flash, own = hashlib.sha256(FLASH).hexdigest(), hashlib.sha256(EEPROM).hexdigest()
        cases = {
            "written": ({}, "written", True),
            "dry run": ({"dry_run": True}, "checked", False),
        }
        for case, (args, done, digests) in cases.items():
            with self.subTest(case):
                out = self.path(f"batch-{case.replace(' ', '-')}")
                calls = []
                result = tt.batch(plan, fleet, out, jobs=2, date=1767323045,
                                  progress=lambda *call: calls.append(call), **args)
                self.assertEqual((result.template.sha256, result.all_written), (template, False))
                self.assertEqual([(r.line, r.base, r.status) for r in result.rows],
                                 [(2, "r1", done), (3, "r2", "failed"), (4, "r3", done)])
                failed = result.rows[1]
                self.assertEqual((failed.reason.code, failed.reason.path, failed.reason.line,
                                  failed.reason.column, failed.document, failed.flash),
                                 ("not-a-name", "TimeDateCfg/@zone", 3, 5, None, None))
                self.assertEqual([r.flash.sha256 for r in (result.rows[0], result.rows[2])],
                                 [flash, own if digests else None])
                self.assertEqual(calls[-1], (3, 3))
                self.assertEqual(calls, sorted(set(calls)))
                written = out / "r1.xml"
                self.assertEqual(written.exists(), digests)
                if digests:
                    self.assertEqual(result.rows[0].document.sha256,
                                     hashlib.sha256(written.read_bytes()).hexdigest())
                    self.assertEqual(tt.info(written).texts["name"], "One")
                    self.assertEqual(tt.info(out / "r3.xml", with_images=True).flash.data, EEPROM)
        # The same date as a datetime: the same bytes.
        when = datetime.datetime(2026, 1, 2, 3, 4, 5, tzinfo=datetime.timezone.utc)
        tt.batch(plan, fleet, self.path("batch-again"), date=when)
        for name in ("r1.xml", "r3.xml", "manifest.json"):
            self.assertEqual((self.path("batch-again") / name).read_bytes(),
                             (self.path("batch-written") / name).read_bytes())

    def test_batch_progress_exception_stops_it(self):
        fleet = self.fleet("stopped", "base\n" + "".join(f"r{i}\n" for i in range(8)))
        out = self.path("stopped-out")
        raised = LookupError("enough")

        def progress(done, total):
            raise raised

        with self.assertRaises(LookupError) as caught:
            tt.batch(self.plans["hazard"], fleet, out, jobs=2, progress=progress)
        self.assertIs(caught.exception, raised)
        self.assertFalse((out / "manifest.json").exists())
        # The folder's lock went with the batch.
        self.assertTrue(tt.batch(self.plans["hazard"], fleet, out).all_written)


if __name__ == "__main__":
    unittest.main()
