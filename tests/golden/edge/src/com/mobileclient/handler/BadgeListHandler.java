package com.mobileclient.handler;
import java.sql.Timestamp;
import java.util.ArrayList;
import java.util.List;

import org.xml.sax.Attributes;
import org.xml.sax.SAXException;
import org.xml.sax.helpers.DefaultHandler;

import com.mobileclient.domain.Badge;
public class BadgeListHandler extends DefaultHandler {
	private List<Badge> badgeList = null;
	private Badge badge;
	private String tempString;
	private StringBuilder valueBuffer = new StringBuilder();
	@Override
	public void characters(char[] ch, int start, int length) throws SAXException {
		super.characters(ch, start, length);
		if (badge != null) { 
            valueBuffer.append(ch, start, length); 
        } 
	}

	@Override
	public void endElement(String uri, String localName, String qName) throws SAXException {
		super.endElement(uri, localName, qName);
		if (badge != null) { 
            String valueString = valueBuffer.toString(); 
            if ("badgePic".equals(tempString)) 
            	badge.setBadgePic(valueString); 
            else if ("label".equals(tempString)) 
            	badge.setLabel(valueString); 
            else if ("category".equals(tempString)) 
            	badge.setCategory(valueString); 
        } 
		if("Badge".equals(localName)&&badge!=null){
			badgeList.add(badge);
			badge = null; 
		}
		tempString = null;
	}

	@Override
	public void startDocument() throws SAXException {
		super.startDocument();
		badgeList = new ArrayList<Badge>();
	}

	@Override
	public void startElement(String uri, String localName, String qName,Attributes attributes) throws SAXException {
		super.startElement(uri, localName, qName, attributes);
        if ("Badge".equals(localName)) {
            badge = new Badge(); 
        }
        tempString = localName; 
        valueBuffer.setLength(0);
	}

	public List<Badge> getBadgeList() {
		return this.badgeList;
	}
}
