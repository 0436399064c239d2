// The release's page without this script lists every file and shows the apt block with its placeholder.
// With it, the download for the visitor's system comes first, and the apt block names this page's apt/.
"use strict";

// The architecture comes from the client hints where the browser has them: Chromium says "Linux x86_64"
// in its user agent string on every Linux machine, arm64 ones too.
async function visitorSystem() {
    const agent = navigator.userAgent;
    let os = /Android|iPhone|iPad|iPod|Mobile|CrOS/.test(agent) ? "other" : /Windows/.test(agent) ? "windows"
        : /Macintosh|Mac OS X/.test(agent) ? "mac" : /Linux|X11/.test(agent) ? "linux" : "other";
    let arm = /aarch64|arm64|armv8/i.test(agent), pc = /x86_64|amd64|x64|Win64/i.test(agent);
    // Hints with nothing in them (a user agent string overridden without them) say nothing.
    const hints = navigator.userAgentData;
    if (hints && hints.platform) {
        os = hints.mobile ? "other" : { Windows: "windows", Linux: "linux", macOS: "mac" }[hints.platform] || "other";
        try {
            const values = await hints.getHighEntropyValues(["architecture", "bitness"]);
            if (values.architecture) {
                arm = values.architecture === "arm" && values.bitness === "64";
                pc = values.architecture === "x86" && values.bitness === "64";
            }
        } catch (error) {
            // The browser keeps its high-entropy values: the user agent string's word stands.
        }
    }
    if (os === "linux") return arm ? "linux-arm64" : pc ? "linux-pc" : "other";
    return os;
}

function element(name, properties, ...children) {
    const made = Object.assign(document.createElement(name), properties);
    made.append(...children);
    return made;
}

// A copy of a file's link from the table, as the page's first choice or one more.
function choice(file, text, className) {
    return element("p", {}, element("a", { href: file.getAttribute("href"), className }, text),
        " ", element("span", { className: "also" }, file.closest("tr").querySelector(".size").textContent));
}

function fillAptBlock() {
    const block = document.getElementById("apt-block");
    if (!block) return;
    const address = new URL("apt", document.location.href).href;
    block.textContent = block.textContent.replace("<address of the apt folder>", address);
    const button = document.getElementById("copy-apt"), status = document.getElementById("copy-status");
    if (!navigator.clipboard) return;
    button.hidden = false;
    button.addEventListener("click", () => navigator.clipboard.writeText(block.textContent).then(
        () => { status.textContent = "Copied: paste it into a terminal."; },
        () => { status.textContent = "Your browser did not let the page copy: select the lines and copy them."; }));
}

async function offerTheRightDownload() {
    const files = [...document.querySelectorAll("#files a[href]")];
    const file = (ending) => files.find((link) => link.getAttribute("href").endsWith(ending));
    const yours = document.getElementById("yours"), body = document.getElementById("yours-body");
    const system = await visitorSystem();
    if (system === "windows") {
        body.append(choice(file("-windows-x64-setup.exe"), "Download the installer for Windows", "choice"),
            choice(file("-windows-x64.zip"), "or the zip, without an installer"));
    } else if (system === "linux-pc") {
        body.append(choice(file("-linux-x86_64.tar.gz"), "Download tarnwik for Linux", "choice"),
            element("p", {}, "Unpack it anywhere and run tarnwik in its folder. On Debian 12, 13 and testing,",
                " apt can install it instead and bring each new version:"),
            document.getElementById("apt"));
    } else if (system === "linux-arm64") {
        body.append(element("p", {}, "On Raspberry Pi OS (64-bit) and Debian for arm64, apt installs tarnwik",
            " and brings each new version:"), document.getElementById("apt"),
            element("p", {}, "Or take the package of your system's Debian release:"),
            ...files.filter((link) => link.getAttribute("href").endsWith("_arm64.deb")).map(
                (link) => choice(link, link.closest("tr").querySelector(".for").textContent)));
    } else {
        body.append(element("p", {}, "There is no build of tarnwik for your system yet. You can build it from",
            " its source, with CMake, SFML and a C++17 compiler:"),
            choice(document.querySelector("#files a[data-source]"), "Download the source", "choice"),
            element("p", {}, element("a", { href: "#build" }, "How to build it")));
    }
    yours.hidden = false;
}

fillAptBlock();
offerTheRightDownload();
